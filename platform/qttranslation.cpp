#include "qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace {
// Texts Qt's Chinese catalogue lacks in the dialogs the programs show: the
// file dialogs' type column asks a context the catalogue does not have.
struct Text {
    const char* context;
    const char* source;
    const char* chinese;
};
constexpr Text missingTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "文件夹"},
    {"QAbstractFileIconProvider", "Drive", "驱动器"},
    {"QAbstractFileIconProvider", "Shortcut", "快捷方式"},
    {"QAbstractFileIconProvider", "Unknown", "未知"},
};

class MissingTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (!context || !sourceText)
            return {};
        for (const Text& text : missingTexts) {
            if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0)
                return QString::fromUtf8(text.chinese);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};
}

QTranslator* QtTranslation::install()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QCoreApplication::installTranslator(new MissingTexts(QCoreApplication::instance()));
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
