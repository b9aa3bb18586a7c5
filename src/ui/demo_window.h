#pragma once

#include <QWidget>

#include <memory>

namespace corvane {

class CardArt;
class HelpWindow;
class MessageDialog;

// A gallery of the window's pieces for looking at them by eye (--demo):
// cards from the deck and the same cards drawn plain, the trump symbols,
// the message pictures, a message box over them and the help window.
class DemoWindow : public QWidget {
    Q_OBJECT
public:
    explicit DemoWindow(QWidget* parent = nullptr);
    ~DemoWindow() override;

    // Puts the sample question up and opens the help window beside.
    void showSamples();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CardArt> m_deck;
    std::unique_ptr<CardArt> m_plain;
    MessageDialog* m_box;
    HelpWindow* m_help;
};

}  // namespace corvane
