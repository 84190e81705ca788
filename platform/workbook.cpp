#include "workbook.h"
#include "formulareferences.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QUrl>
#include <algorithm>

namespace {
const QString contentTypesPart = QStringLiteral("[Content_Types].xml");

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QString folderOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash);
}

// A relationship's target as a part name of the package.
QString resolve(const QString& folder, const QString& target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    if (decoded.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(decoded.mid(1));
    return QDir::cleanPath(folder.isEmpty() ? decoded : folder + QLatin1Char('/') + decoded);
}

QString relationshipsOf(const QString& part)
{
    const QString folder = folderOf(part);
    const QString name = part.mid(folder.isEmpty() ? 0 : folder.size() + 1);
    return (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QStringLiteral("_rels/") + name + QStringLiteral(".rels");
}

bool hasType(const XmlNode& relationship, const char* type)
{
    return relationship.attribute(QStringLiteral("Type")).endsWith(QLatin1Char('/') + QLatin1String(type));
}

bool wraps(const XmlNode& format)
{
    const XmlNode* alignment = format.child(QStringLiteral("alignment"));
    if (!alignment)
        return false;
    const QString wrap = alignment->attribute(QStringLiteral("wrapText"));
    return wrap == QLatin1String("1") || wrap == QLatin1String("true");
}

std::vector<const XmlNode*> formatsOf(const XmlNode& cellXfs)
{
    std::vector<const XmlNode*> formats;
    for (const XmlNode& child : cellXfs.children) {
        if (child.localName() == QLatin1String("xf"))
            formats.push_back(&child);
    }
    return formats;
}
}

bool Workbook::isBinaryFormat(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray::fromHex("d0cf11e0");
}

qsizetype Workbook::entryIndex(const QString& part) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (QString::fromUtf8(m_entries[i].name).compare(part, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<XmlPart> Workbook::readPart(const QString& part) const
{
    const qsizetype index = entryIndex(part);
    if (index < 0)
        return std::nullopt;
    return XmlPart::parse(m_entries[index].data);
}

std::unique_ptr<Workbook> Workbook::open(const QString& path, QString* error)
{
    if (isBinaryFormat(path)) {
        fail(error, QStringLiteral("旧的二进制格式的工作簿不能读取：%1").arg(path));
        return nullptr;
    }
    auto entries = ZipFile::read(path, error);
    if (!entries)
        return nullptr;
    std::unique_ptr<Workbook> book(new Workbook);
    book->m_entries = std::move(*entries);
    const QString notAWorkbook = QStringLiteral("不是有效的工作簿：%1").arg(path);

    const auto packageRelationships = book->readPart(QStringLiteral("_rels/.rels"));
    if (!packageRelationships) {
        fail(error, notAWorkbook);
        return nullptr;
    }
    for (const XmlNode* relationship : packageRelationships->elements()) {
        if (hasType(*relationship, "officeDocument"))
            book->m_workbookPart = resolve({}, relationship->attribute(QStringLiteral("Target")));
    }
    book->m_workbook = book->readPart(book->m_workbookPart);
    book->m_relationshipsPart = relationshipsOf(book->m_workbookPart);
    book->m_relationships = book->readPart(book->m_relationshipsPart);
    const XmlNode* sheets = book->m_workbook ? book->m_workbook->find(QStringLiteral("sheets")) : nullptr;
    if (!sheets || !book->m_relationships) {
        fail(error, notAWorkbook);
        return nullptr;
    }

    const QString folder = folderOf(book->m_workbookPart);
    QHash<QString, const XmlNode*> byId;
    for (const XmlNode* relationship : book->m_relationships->elements()) {
        byId.insert(relationship->attribute(QStringLiteral("Id")), relationship);
        if (hasType(*relationship, "styles"))
            book->m_stylesPart = resolve(folder, relationship->attribute(QStringLiteral("Target")));
    }
    for (const XmlNode& sheet : sheets->children) {
        if (sheet.localName() != QLatin1String("sheet"))
            continue;
        const XmlNode* relationship = byId.value(sheet.attribute(QStringLiteral("id")));
        if (!relationship) {
            fail(error, notAWorkbook);
            return nullptr;
        }
        book->m_sheets.append({resolve(folder, relationship->attribute(QStringLiteral("Target"))),
                               sheet.attribute(QStringLiteral("name")), hasType(*relationship, "worksheet")});
    }
    if (const XmlNode* views = book->m_workbook->find(QStringLiteral("bookViews"))) {
        if (const XmlNode* view = views->child(QStringLiteral("workbookView")))
            book->m_activeTab = view->attribute(QStringLiteral("activeTab")).toInt();
    }
    return book;
}

qsizetype Workbook::tabOfWorksheet(int number) const
{
    int seen = 0;
    for (qsizetype tab = 0; tab < m_sheets.size(); ++tab) {
        if (m_sheets[tab].isWorksheet && ++seen == number)
            return tab;
    }
    return -1;
}

Worksheet* Workbook::worksheet(int number)
{
    const qsizetype tab = tabOfWorksheet(number);
    return tab < 0 ? nullptr : sheetAt(tab);
}

bool Workbook::insertRowCopies(int number, int row, int count)
{
    const qsizetype tab = tabOfWorksheet(number);
    Worksheet* sheet = tab < 0 ? nullptr : sheetAt(tab);
    const QString name = tab < 0 ? QString() : m_sheets[tab].name;
    if (!sheet || !sheet->insertRowCopies(row, count, name))
        return false;
    if (m_workbook->find(QStringLiteral("definedNames"))) {
        const RowInsertion insertion{row, count};
        for (XmlNode& definedName : m_workbook->edit(QStringLiteral("definedNames"))->children) {
            if (!definedName.isText())
                definedName.setInnerText(FormulaReferences::afterInsertionInto(definedName.innerText(), name, insertion));
        }
    }
    return true;
}

Worksheet* Workbook::activeWorksheet()
{
    return m_activeTab >= 0 && m_activeTab < m_sheets.size() && m_sheets[m_activeTab].isWorksheet ? sheetAt(m_activeTab)
                                                                                                  : nullptr;
}

Worksheet* Workbook::sheetAt(qsizetype tab)
{
    const QString part = m_sheets[tab].part;
    auto loaded = m_loaded.find(part);
    if (loaded != m_loaded.end())
        return loaded->second.get();
    const qsizetype index = entryIndex(part);
    if (index < 0)
        return nullptr;
    auto sheet = Worksheet::load(m_entries[index].data);
    if (!sheet)
        return nullptr;
    return m_loaded.emplace(part, std::move(sheet)).first->second.get();
}

void Workbook::switchWrapOff(Worksheet* sheet)
{
    if (!sheet)
        return;
    if (!m_styles)
        m_styles = readPart(m_stylesPart);
    const XmlNode* cellXfs = m_styles ? m_styles->find(QStringLiteral("cellXfs")) : nullptr;
    if (!cellXfs)
        return;
    const auto formats = formatsOf(*cellXfs);
    std::vector<std::pair<int, XmlNode>> copies;
    for (int used : sheet->usedFormats()) {
        if (used >= 0 && used < int(formats.size()) && wraps(*formats[used])) {
            XmlNode copy = *formats[used];
            copy.child(QStringLiteral("alignment"))->setAttribute(QStringLiteral("wrapText"), QStringLiteral("0"));
            copies.emplace_back(used, std::move(copy));
        }
    }
    if (copies.empty())
        return;
    XmlNode* editable = m_styles->edit(QStringLiteral("cellXfs"));
    int next = int(formats.size());
    QHash<int, int> replacement;
    for (auto& [used, copy] : copies) {
        editable->children.push_back(std::move(copy));
        replacement.insert(used, next++);
    }
    if (editable->hasAttribute(QStringLiteral("count")))
        editable->setAttribute(QStringLiteral("count"), QString::number(next));
    sheet->replaceFormats(replacement);
}

int Workbook::withNumberFormat(int format, int numberFormat)
{
    const std::pair key{format, numberFormat};
    if (const auto known = m_numberFormats.find(key); known != m_numberFormats.end())
        return known->second;
    if (!m_styles)
        m_styles = readPart(m_stylesPart);
    const XmlNode* cellXfs = m_styles ? m_styles->find(QStringLiteral("cellXfs")) : nullptr;
    if (!cellXfs)
        return format;
    const auto formats = formatsOf(*cellXfs);
    if (format < 0 || format >= int(formats.size()))
        return format;
    int result = format;
    if (formats[format]->attribute(QStringLiteral("numFmtId")).toInt() != numberFormat) {
        XmlNode copy = *formats[format];
        copy.setAttribute(QStringLiteral("numFmtId"), QString::number(numberFormat));
        copy.setAttribute(QStringLiteral("applyNumberFormat"), QStringLiteral("1"));
        XmlNode* editable = m_styles->edit(QStringLiteral("cellXfs"));
        editable->children.push_back(std::move(copy));
        result = int(formats.size());
        if (editable->hasAttribute(QStringLiteral("count")))
            editable->setAttribute(QStringLiteral("count"), QString::number(result + 1));
    }
    m_numberFormats.emplace(key, result);
    return result;
}

// Values changed under the formulas: have them computed on opening, and drop
// the calculation chain, which may name cells that hold no formula now.
void Workbook::markForRecalculation()
{
    if (const XmlNode* calc = m_workbook->find(QStringLiteral("calcPr"))) {
        if (calc->attribute(QStringLiteral("fullCalcOnLoad")) != QLatin1String("1"))
            m_workbook->edit(QStringLiteral("calcPr"))->setAttribute(QStringLiteral("fullCalcOnLoad"), QStringLiteral("1"));
    } else {
        XmlNode node = XmlNode::element(m_workbook->root().prefix() + QStringLiteral("calcPr"));
        node.setAttribute(QStringLiteral("fullCalcOnLoad"), QStringLiteral("1"));
        m_workbook->insert(std::move(node),
                           {QStringLiteral("oleSize"), QStringLiteral("customWorkbookViews"), QStringLiteral("pivotCaches"),
                            QStringLiteral("smartTagPr"), QStringLiteral("smartTagTypes"), QStringLiteral("webPublishing"),
                            QStringLiteral("fileRecoveryPr"), QStringLiteral("webPublishObjects"), QStringLiteral("extLst")});
    }
    const QString folder = folderOf(m_workbookPart);
    QStringList chains;
    m_relationships->removeIf([&](const XmlNode& relationship) {
        if (!hasType(relationship, "calcChain"))
            return false;
        chains << resolve(folder, relationship.attribute(QStringLiteral("Target")));
        return true;
    });
    if (chains.isEmpty())
        return;
    m_removedParts += chains;
    if (!m_contentTypes)
        m_contentTypes = readPart(contentTypesPart);
    if (m_contentTypes) {
        m_contentTypes->removeIf([&](const XmlNode& type) {
            const QString name = type.attribute(QStringLiteral("PartName"));
            return std::any_of(chains.begin(), chains.end(), [&](const QString& chain) {
                return name.compare(QLatin1Char('/') + chain, Qt::CaseInsensitive) == 0;
            });
        });
    }
}

bool Workbook::save(const QString& path, QString* error)
{
    const bool sheetsChanged = std::any_of(m_loaded.begin(), m_loaded.end(),
                                           [](const auto& loaded) { return loaded.second->isChanged(); });
    if (sheetsChanged)
        markForRecalculation();

    QHash<qsizetype, Worksheet*> sheets;
    for (const auto& [part, sheet] : m_loaded) {
        if (sheet->isChanged())
            sheets.insert(entryIndex(part), sheet.get());
    }
    QHash<qsizetype, QByteArray> replaced;
    const std::pair<const QString&, const std::optional<XmlPart>&> parts[] = {
        {m_workbookPart, m_workbook},
        {m_relationshipsPart, m_relationships},
        {contentTypesPart, m_contentTypes},
        {m_stylesPart, m_styles},
    };
    for (const auto& [part, xml] : parts) {
        if (xml && xml->isChanged())
            replaced.insert(entryIndex(part), xml->toByteArray());
    }
    QList<qsizetype> removed;
    for (const QString& part : m_removedParts)
        removed << entryIndex(part);

    // A filled sheet is written as it is made, its rows never held whole.
    QList<ZipFile::MadeEntry> out;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (removed.contains(i))
            continue;
        if (Worksheet* sheet = sheets.value(i)) {
            out.append({m_entries[i].name, [sheet](const ZipFile::Sink& sink) { return sheet->save(sink); }});
            continue;
        }
        out.append(ZipFile::MadeEntry::holding(m_entries[i].name, replaced.value(i, m_entries[i].data)));
    }
    return ZipFile::writeMade(path, out, error);
}
