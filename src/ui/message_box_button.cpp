#include "message_box_button.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "fonts.h"

namespace corvane {

namespace {

const QColor Light(240, 240, 240);
const QColor Shadow(128, 128, 128);

}  // namespace

MessageBoxButton::MessageBoxButton(QWidget* parent) : QWidget(parent), m_caption(new QLabel(this))
{
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFont(serifFont(13));
    m_caption->setObjectName(QStringLiteral("caption"));
    // The caption is part of the face: presses on it reach the face.
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeCaption();
}

void MessageBoxButton::setCaption(const QString& caption) { m_caption->setText(caption); }

QString MessageBoxButton::caption() const { return m_caption->text(); }

void MessageBoxButton::raiseFace() { setPressed(false); }

void MessageBoxButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setPressed(true);
}

void MessageBoxButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    setPressed(false);
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

// Raised: light outline all round, then the bottom and right edges again in
// shadow. Pressed: the colours change places.
void MessageBoxButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(m_pressed ? Shadow : Light);
    painter.drawRect(0, 0, right, bottom);
    painter.setPen(m_pressed ? Light : Shadow);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}

void MessageBoxButton::resizeEvent(QResizeEvent*) { placeCaption(); }

void MessageBoxButton::setPressed(bool pressed)
{
    m_pressed = pressed;
    placeCaption();
    update();
}

// One pixel in from the corner when raised, two when pressed, so the
// caption seems to sink with the face.
void MessageBoxButton::placeCaption()
{
    if (m_pressed)
        m_caption->setGeometry(2, 2, width() - 3, height() - 3);
    else
        m_caption->setGeometry(1, 1, width() - 2, height() - 2);
}

}  // namespace corvane
