#include "searchbox.h"
#include "websearch.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

SearchBox::SearchBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SearchBox"));
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMinimumWidth(160);
    auto* cmdOK = new QToolButton(this);
    cmdOK->setObjectName(QStringLiteral("CmdOK"));
    cmdOK->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    const auto option = [this](const char* name, const char* caption) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    m_optBD = option("OptBD", "百度");
    m_optTB = option("OptTB", "淘宝");
    m_optJD = option("OptJD", "京东");
    m_optYMX = option("OptYMX", "亚马逊");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_text1);
    layout->addWidget(cmdOK);
    for (QRadioButton* button : {m_optBD, m_optTB, m_optJD, m_optYMX})
        layout->addWidget(button);

    connect(cmdOK, &QToolButton::clicked, this, &SearchBox::CmdOK_Click);
    connect(m_text1, &QLineEdit::returnPressed, this, &SearchBox::CmdOK_Click);
}

void SearchBox::selectWebSearch() { m_optBD->setChecked(true); }

void SearchBox::CmdOK_Click()
{
    using WebSearch::Engine;
    Engine engine;
    if (m_optBD->isChecked())
        engine = Engine::Baidu;
    else if (m_optTB->isChecked())
        engine = Engine::Taobao;
    else if (m_optJD->isChecked())
        engine = Engine::JD;
    else if (m_optYMX->isChecked())
        engine = Engine::Amazon;
    else
        return;
    // The shell's answer is not the search box's concern.
    WebSearch::open(engine, m_text1->text());
}
