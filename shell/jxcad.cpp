#include "jxcad.h"
#include "appstate.h"
#include "paths.h"
#include "shellexec.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString jxcad::pageFileName() { return QStringLiteral("jxcad.html"); }

jxcad::jxcad(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("jxcad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("公告"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    // Links leave the window for the browser; the page itself stays.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [](const QUrl& url) { mdlShellExec::ShellOpen(url.toString()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(480, 360);
    m_browser->setSource(QUrl::fromLocalFile(Paths::deliveredFile(appState().appPath, pageFileName())));
}
