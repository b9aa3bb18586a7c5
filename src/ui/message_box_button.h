#pragma once

#include <QWidget>

class QLabel;

namespace corvane {

// A button face of the message box: a caption on a face with a drawn
// border, raised until the mouse goes down on it and pressed while it is
// held. Releasing over the same face is the click.
class MessageBoxButton : public QWidget {
    Q_OBJECT
public:
    explicit MessageBoxButton(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const;
    bool isPressed() const { return m_pressed; }
    // Drawn raised again, as every new box shows its buttons.
    void raiseFace();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setPressed(bool pressed);
    void placeCaption();

    QLabel* m_caption;
    bool m_pressed = false;
};

}  // namespace corvane
