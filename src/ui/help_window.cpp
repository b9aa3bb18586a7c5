#include "help_window.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include "fonts.h"
#include "twips.h"

namespace corvane {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_text(new QPlainTextEdit(this)), m_close(new QPushButton(QStringLiteral("&Close"), this))
{
    setWindowTitle(QStringLiteral("Corvane Help"));
    setFixedSize(twipsToPixels(10200), twipsToPixels(9750));

    m_text->setObjectName(QStringLiteral("rules"));
    m_text->setGeometry(twipsRect(0, 120, 10215, 9135));
    m_text->setReadOnly(true);
    m_text->setFont(serifFont(15));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setPlainText(rulesText());

    m_close->setObjectName(QStringLiteral("close"));
    m_close->setGeometry(twipsRect(4200, 9240, 1215, 375));
    m_close->setFont(sansFont(12));
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
}

void HelpWindow::showAndRaise()
{
    show();
    raise();
    activateWindow();
}

QString HelpWindow::rulesText()
{
    QFile file(QStringLiteral(":/corvane/help.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace corvane
