#include "ui/typed_questions.h"

#include <QInputDialog>

#include "session/table_texts.h"
#include "table/deal_number.h"

namespace corvane {

namespace {

void askDealNumberAgain(QWidget* parent, const QString& trouble, const QString& typed,
                        std::function<void(std::uint64_t)> chosen)
{
    const QString prompt = QStringLiteral("The number of the deal to play, from 0 to %1:").arg(MaxDealNumber);
    askText(parent,
            {QStringLiteral("DealNumberDialog"), QStringLiteral("Deal Number"),
             trouble.isEmpty() ? prompt : trouble + QStringLiteral("\n\n") + prompt, typed},
            [parent, chosen = std::move(chosen)](const QString& line) {
                const DealEntry entry = readDealNumber(line.toStdString());
                if (entry.number)
                    chosen(*entry.number);
                else
                    askDealNumberAgain(parent, QString::fromStdString(entry.error), line, chosen);
            });
}

}  // namespace

void askText(QWidget* parent, const TextQuestion& question, std::function<void(const QString&)> typed)
{
    auto* dialog = new QInputDialog(parent);
    dialog->setObjectName(question.objectName);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(question.title);
    dialog->setLabelText(question.prompt);
    dialog->setTextValue(question.text);
    QObject::connect(dialog, &QInputDialog::textValueSelected, parent, std::move(typed));
    dialog->open();
}

void askName(QWidget* parent, Seat s, std::function<void(const QString&)> typed)
{
    const RenameDialogTexts t = renameTexts(s);
    const auto text = [](const std::string& line) { return QString::fromStdString(line); };
    askText(parent, {QStringLiteral("RenameDialog"), text(t.title), text(t.prompt), text(t.proposal)},
            std::move(typed));
}

void askDealNumber(QWidget* parent, std::optional<std::uint64_t> now, std::function<void(std::uint64_t)> chosen)
{
    askDealNumberAgain(parent, {}, now ? QString::number(*now) : QString(), std::move(chosen));
}

}  // namespace corvane
