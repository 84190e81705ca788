// Writes the workbook templates the exports fill: the list templates
// data.xls … data6.xls and the printable sales slip 销售单.xls. Their content
// is Office Open XML whatever the name says.
// Usage: make_templates output-folder
#include <xlsxwriter.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
lxw_error firstError = LXW_NO_ERROR;

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR && firstError == LXW_NO_ERROR)
        firstError = error;
}

struct Column {
    const char* header;
    double width;
    const char* numberFormat; // nullptr: general; "@": text, so codes and phone numbers stay as typed
};

struct ListTemplate {
    const char* file;
    const char* sheet;
    std::vector<Column> columns;
    bool landscape;
};

const char* const money = "0.00";
const char* const text = "@";

// Each list: its header row in row 1, one column per list column. The export
// clears and rewrites the headers it owns; the formats stay and carry over to
// the data rows through the column formats.
const std::vector<ListTemplate> lists = {
    {"data.xls",
     "会员客户",
     // The columns the customer list shows: its contact and bank columns are hidden.
     {{"编号", 10, text},
      {"积分", 10, money},
      {"名称", 18, nullptr},
      {"电话", 14, text},
      {"传真", 14, text},
      {"地址", 26, nullptr},
      {"QQ号码", 12, text},
      {"备注", 24, nullptr},
      {"维护日期", 12, nullptr},
      {"拼音码", 10, nullptr},
      {"五笔码", 10, nullptr}},
     true},
    {"data2.xls",
     "销售单据",
     {{"单据编号", 12, nullptr},
      {"合计金额", 11, money},
      {"欠款金额", 11, money},
      {"还款金额", 11, money},
      {"尚欠金额", 11, money},
      {"操作员", 10, nullptr},
      {"日期", 12, nullptr},
      {"时间", 10, nullptr},
      {"客户", 18, nullptr},
      {"业务员", 10, nullptr},
      {"介绍人", 12, nullptr},
      {"备注", 24, nullptr}},
     true},
    {"data3.xls",
     "入库单据",
     {{"单据编号", 12, nullptr},
      {"合计金额", 11, money},
      {"欠款金额", 11, money},
      {"还款金额", 11, money},
      {"尚欠金额", 11, money},
      {"操作员", 10, nullptr},
      {"日期", 12, nullptr},
      {"时间", 10, nullptr},
      {"供应商", 20, nullptr},
      {"备注", 24, nullptr}},
     true},
    {"data4.xls", "客户积分", {{"客户", 24, nullptr}, {"积分", 10, money}}, false},
    {"data5.xls",
     "库存下限报警",
     {{"商品类别", 12, nullptr},
      {"商品编号", 12, text},
      {"商品名称", 24, nullptr},
      {"规格", 14, nullptr},
      {"单位", 8, nullptr},
      {"均价", 10, money},
      {"库存金额", 12, money},
      {"库存上限", 10, money},
      {"库存下限", 10, money},
      {"现有库存", 10, money}},
     true},
    {"data6.xls", "商品销量", {{"商品名称", 24, nullptr}, {"销量", 10, nullptr}}, false},
};

std::string pathIn(const std::string& folder, const char* file) { return folder + "/" + file; }

lxw_format* headerFormat(lxw_workbook* book)
{
    lxw_format* format = workbook_add_format(book);
    format_set_bold(format);
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    format_set_bg_color(format, 0xD9E1F2);
    format_set_border(format, LXW_BORDER_THIN);
    return format;
}

void setUpPrinting(lxw_worksheet* sheet, bool landscape)
{
    worksheet_set_paper(sheet, 9); // A4
    if (landscape)
        worksheet_set_landscape(sheet);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_center_horizontally(sheet);
    check(worksheet_set_footer(sheet, "&C第 &P 页，共 &N 页"));
}

bool writeList(const std::string& folder, const ListTemplate& list)
{
    lxw_workbook* book = workbook_new(pathIn(folder, list.file).c_str());
    if (!book)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, list.sheet);
    lxw_format* header = headerFormat(book);
    for (size_t i = 0; i < list.columns.size(); ++i) {
        const Column& column = list.columns[i];
        lxw_format* format = nullptr;
        if (column.numberFormat) {
            format = workbook_add_format(book);
            format_set_num_format(format, column.numberFormat);
        }
        const auto col = lxw_col_t(i);
        check(worksheet_set_column(sheet, col, col, column.width, format));
        check(worksheet_write_string(sheet, 0, col, column.header, header));
    }
    check(worksheet_set_row(sheet, 0, 20, nullptr));
    worksheet_freeze_panes(sheet, 1, 0);
    worksheet_gridlines(sheet, LXW_SHOW_ALL_GRIDLINES);
    check(worksheet_repeat_rows(sheet, 0, 0));
    setUpPrinting(sheet, list.landscape);
    return workbook_close(book) == LXW_NO_ERROR;
}

// The printable sales slip: the program fills B12 to B18 and the goods lines
// from row 21 on (26 lines to row 46) of the fourth sheet; everything else,
// the shop's own details included, is the template's and the shop's to edit.
void writeSlipSheet(lxw_workbook* book, lxw_worksheet* sheet)
{
    lxw_format* shopName = workbook_add_format(book);
    format_set_bold(shopName);
    format_set_font_size(shopName, 18);
    format_set_align(shopName, LXW_ALIGN_CENTER);
    format_set_align(shopName, LXW_ALIGN_VERTICAL_CENTER);
    lxw_format* title = workbook_add_format(book);
    format_set_bold(title);
    format_set_font_size(title, 16);
    format_set_align(title, LXW_ALIGN_CENTER);
    format_set_align(title, LXW_ALIGN_VERTICAL_CENTER);
    lxw_format* label = workbook_add_format(book);
    format_set_bold(label);
    format_set_align(label, LXW_ALIGN_RIGHT);
    lxw_format* field = workbook_add_format(book);
    format_set_align(field, LXW_ALIGN_LEFT);
    format_set_bottom(field, LXW_BORDER_THIN);
    lxw_format* note = workbook_add_format(book);
    format_set_italic(note);
    format_set_font_size(note, 9);
    format_set_align(note, LXW_ALIGN_CENTER);
    lxw_format* section = workbook_add_format(book);
    format_set_bold(section);
    format_set_bg_color(section, 0xD9E1F2);
    format_set_bottom(section, LXW_BORDER_THIN);
    lxw_format* header = headerFormat(book);
    lxw_format* lineText = workbook_add_format(book);
    format_set_border(lineText, LXW_BORDER_THIN);
    lxw_format* lineNumber = workbook_add_format(book);
    format_set_border(lineNumber, LXW_BORDER_THIN);
    format_set_num_format(lineNumber, money);
    lxw_format* totalLabel = workbook_add_format(book);
    format_set_bold(totalLabel);
    format_set_border(totalLabel, LXW_BORDER_THIN);
    format_set_align(totalLabel, LXW_ALIGN_CENTER);
    lxw_format* total = workbook_add_format(book);
    format_set_bold(total);
    format_set_border(total, LXW_BORDER_THIN);
    format_set_num_format(total, money);

    const double widths[] = {22, 14, 8, 10, 10, 12, 14};
    for (lxw_col_t col = 0; col < 7; ++col)
        check(worksheet_set_column(sheet, col, col, widths[col], nullptr));

    check(worksheet_set_row(sheet, 0, 30, nullptr));
    check(worksheet_merge_range(sheet, 0, 0, 0, 6, "（店铺名称）", shopName));
    check(worksheet_set_row(sheet, 1, 24, nullptr));
    check(worksheet_merge_range(sheet, 1, 0, 1, 6, "销 售 单", title));
    const char* const shopLabels[][2] = {{"店铺地址：", "（店铺地址）"},
                                         {"联系人：", "（联系人）"},
                                         {"联系电话：", "（联系电话）"}};
    for (lxw_row_t i = 0; i < 3; ++i) {
        check(worksheet_write_string(sheet, 3 + i, 0, shopLabels[i][0], label));
        check(worksheet_merge_range(sheet, 3 + i, 1, 3 + i, 6, shopLabels[i][1], field));
    }
    check(worksheet_merge_range(sheet, 7, 0, 8, 6, "货物请当面点清，如有质量问题请凭本单于七日内退换。", note));

    check(worksheet_merge_range(sheet, 10, 0, 10, 6, "客户及单据信息", section));
    const char* const fieldLabels[] = {"业务员：", "客户名称：", "客户地址：", "联系人：", "联系电话：", "日期：", "单据编号："};
    for (lxw_row_t i = 0; i < 7; ++i) { // rows 12 to 18
        check(worksheet_write_string(sheet, 11 + i, 0, fieldLabels[i], label));
        check(worksheet_merge_range(sheet, 11 + i, 1, 11 + i, 6, "", field));
    }

    const char* const lineHeaders[] = {"商品名称", "规格", "单位", "数量", "单价", "金额", "备注"};
    for (lxw_col_t col = 0; col < 7; ++col) // row 20
        check(worksheet_write_string(sheet, 19, col, lineHeaders[col], header));
    for (lxw_row_t row = 20; row < 46; ++row) { // rows 21 to 46
        for (lxw_col_t col = 0; col < 7; ++col)
            check(worksheet_write_blank(sheet, row, col, col >= 3 && col <= 5 ? lineNumber : lineText));
    }
    check(worksheet_write_string(sheet, 46, 0, "合  计", totalLabel)); // row 47
    for (lxw_col_t col : {1, 2, 4, 6})
        check(worksheet_write_blank(sheet, 46, col, totalLabel));
    check(worksheet_write_formula(sheet, 46, 3, "=SUM(D21:D46)", total));
    check(worksheet_write_formula(sheet, 46, 5, "=SUM(F21:F46)", total));
    check(worksheet_write_string(sheet, 48, 0, "客户签字：", label)); // row 49
    check(worksheet_write_string(sheet, 48, 3, "经手人：", label));

    check(worksheet_print_area(sheet, 0, 0, 48, 6));
    setUpPrinting(sheet, false);
    worksheet_set_margins(sheet, 0.5, 0.5, 0.6, 0.6);
}

void writeGuideSheet(lxw_workbook* book, lxw_worksheet* sheet)
{
    lxw_format* heading = workbook_add_format(book);
    format_set_bold(heading);
    format_set_font_size(heading, 14);
    lxw_format* paragraph = workbook_add_format(book);
    format_set_text_wrap(paragraph);
    format_set_align(paragraph, LXW_ALIGN_VERTICAL_TOP);
    check(worksheet_set_column(sheet, 0, 0, 90, nullptr));
    check(worksheet_write_string(sheet, 0, 0, "销售单模板说明", heading));
    const char* const lines[] = {
        "“生成销售单”填写第 4 张工作表“销售单”：B12 业务员，B13 至 B16 客户的名称、地址、联系人和电话，"
        "B17 日期，B18 单据编号；第 21 行起每行一种商品（A 商品名称，B 规格，C 单位，D 数量，E 单价，F 金额），"
        "共 26 行。",
        "店铺名称、地址、联系人和电话请直接在“销售单”工作表中改成自己店铺的。",
        "改好的模板请以 Excel 工作簿（.xlsx）格式保存，再改名为“销售单.xls”，放进程序的数据文件夹，"
        "程序就改用这份模板。请不要改变工作表的顺序，也不要移动上面所说的单元格。",
    };
    for (lxw_row_t i = 0; i < 3; ++i) {
        check(worksheet_set_row(sheet, 2 + i, 48, nullptr));
        check(worksheet_write_string(sheet, 2 + i, 0, lines[i], paragraph));
    }
}

bool writeSalesSlip(const std::string& folder)
{
    lxw_workbook* book = workbook_new(pathIn(folder, "销售单.xls").c_str());
    if (!book)
        return false;
    writeGuideSheet(book, workbook_add_worksheet(book, "说明"));
    workbook_add_worksheet(book, "备用1");
    workbook_add_worksheet(book, "备用2");
    lxw_worksheet* slip = workbook_add_worksheet(book, "销售单");
    writeSlipSheet(book, slip);
    // Opened showing the slip, the sheet the program fills.
    worksheet_activate(slip);
    return workbook_close(book) == LXW_NO_ERROR;
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_templates output-folder\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (const ListTemplate& list : lists)
        ok = writeList(folder, list) && ok;
    ok = writeSalesSlip(folder) && ok;
    if (!ok || firstError != LXW_NO_ERROR) {
        std::fprintf(stderr, "make_templates: %s\n",
                     firstError != LXW_NO_ERROR ? lxw_strerror(firstError) : "a template could not be written");
        return 1;
    }
    return 0;
}
