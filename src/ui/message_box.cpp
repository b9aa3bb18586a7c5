#include "message_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

#include "fonts.h"
#include "message_box_button.h"
#include "message_pictures.h"
#include "twips.h"

namespace corvane {

MessageRequest requestOf(const MessageBox& m, int closeButton)
{
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    return {text(m.text), {text(m.caption1), text(m.caption2), text(m.caption3)}, m.picture, text(m.title), closeButton};
}

namespace {

// The layout, in twips of the box's inner area.
constexpr double BoxWidth = 4500;
constexpr double TextLeft = 180;
constexpr double TextTop = 450;
constexpr double TextWidth = 3375;
constexpr double HeightBeyondText = 1140;
constexpr double TitleLeft = 45;
constexpr double TitleTop = 60;
constexpr double TitleHeight = 300;
constexpr double FaceWidth = 1275;
constexpr double FaceHeight = 300;
constexpr double FaceBottomMargin = 90;
constexpr double PictureLeft = 3870;
constexpr double PictureSide = 510;
constexpr double TwoFaceGap = 23;    // each side of the centre line
constexpr double ThreeFaceGap = 45;  // between neighbours

const QColor Face(212, 208, 200);
const QColor Light(240, 240, 240);
const QColor Shadow(128, 128, 128);

bool isBlank(const QString& caption) { return caption.trimmed().isEmpty(); }

// Left edges of the visible faces, in twips, from left to right.
std::vector<double> faceLefts(std::size_t count)
{
    const double centred = BoxWidth / 2 - FaceWidth / 2;
    switch (count) {
    case 2: return {BoxWidth / 2 - TwoFaceGap - FaceWidth, BoxWidth / 2 + TwoFaceGap};
    case 3: return {centred - ThreeFaceGap - FaceWidth, centred, centred + FaceWidth + ThreeFaceGap};
    default: return {centred};
    }
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_title(new QLabel(this)),
      m_message(new QLabel(this)),
      m_picture(new QLabel(this))
{
    setModal(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Face);
    setPalette(colours);
    setAutoFillBackground(true);

    m_title->setObjectName(QStringLiteral("title"));
    m_title->setFont(serifFont(14, true));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setAutoFillBackground(true);
    QPalette strip = m_title->palette();
    strip.setColor(QPalette::Window, QColor(0, 0, 128));
    strip.setColor(QPalette::WindowText, Qt::white);
    m_title->setPalette(strip);

    m_message->setObjectName(QStringLiteral("message"));
    m_message->setFont(sansFont(12));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_picture->setObjectName(QStringLiteral("picture"));
    m_picture->setAlignment(Qt::AlignCenter);

    for (int index = 0; index < 3; ++index) {
        auto* face = new MessageBoxButton(this);
        face->setObjectName(QStringLiteral("button%1").arg(index));
        connect(face, &MessageBoxButton::clicked, this, [this, index] { finish(index); });
        m_buttons[index] = face;
    }
    // The first question is placed by this height, as later ones are by
    // the height of the question before.
    layOut();
}

void MessageDialog::ask(const MessageRequest& request, std::function<void(int)> onAnswer)
{
    m_onAnswer = std::move(onAnswer);
    m_closeButton = request.closeButton;
    m_dragging = false;
    for (MessageBoxButton* face : m_buttons)
        face->raiseFace();
    m_message->setText(request.prompt);
    m_title->setText(request.title + QStringLiteral("   "));
    m_picture->setPixmap(messagePicture(request.picture, devicePixelRatioF()));
    setCaptions(request.captions);
    const int heightBefore = height();
    layOut();
    placeOnScreen(heightBefore);
    show();
    activateWindow();
}

int MessageDialog::closeAnswer() const
{
    if (m_closeButton >= 0)
        return m_closeButton;
    std::vector<int> shown;
    for (int index = 0; index < 3; ++index) {
        if (!m_buttons[index]->isHidden())
            shown.push_back(index);
    }
    switch (shown.size()) {
    case 1: return shown[0];
    case 2: return shown[1];
    default: return -1;
    }
}

void MessageDialog::reject()
{
    if (const int answer = closeAnswer(); answer >= 0)
        finish(answer);
}

void MessageDialog::setCaptions(const std::array<QString, 3>& captions)
{
    // The first button is always there; a box must be answerable, so a
    // blank first caption becomes the usual "O.K".
    m_buttons[0]->setCaption(isBlank(captions[0]) ? QStringLiteral("O.K") : captions[0]);
    m_buttons[0]->show();
    for (int index = 1; index < 3; ++index) {
        m_buttons[index]->setCaption(captions[index]);
        m_buttons[index]->setVisible(!isBlank(captions[index]));
    }
}

// The text decides the height; everything below the text follows it.
void MessageDialog::layOut()
{
    const int textWidth = twipsToPixels(TextWidth);
    const int textHeight = std::max(m_message->heightForWidth(textWidth), m_message->fontMetrics().height());
    m_message->setGeometry(twipsToPixels(TextLeft), twipsToPixels(TextTop), textWidth, textHeight);
    const int innerHeightTwips = textHeight * TwipsPerPixel + static_cast<int>(HeightBeyondText);
    setFixedSize(twipsToPixels(BoxWidth), twipsToPixels(innerHeightTwips));
    m_title->setGeometry(twipsRect(TitleLeft, TitleTop, BoxWidth - 2 * TitleLeft, TitleHeight));
    m_picture->setGeometry(twipsRect(PictureLeft, innerHeightTwips / 2.0 - PictureSide / 2, PictureSide, PictureSide));
    placeButtons(innerHeightTwips);
}

void MessageDialog::placeButtons(int innerHeightTwips)
{
    std::vector<MessageBoxButton*> shown;
    for (MessageBoxButton* face : m_buttons) {
        if (!face->isHidden())
            shown.push_back(face);
    }
    const std::vector<double> lefts = faceLefts(shown.size());
    const double top = innerHeightTwips - FaceHeight - FaceBottomMargin;
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i]->setGeometry(twipsRect(lefts[i], top, FaceWidth, FaceHeight));
}

// Centred across the table window and somewhat below its middle, where the
// person is looking: placed by the screen, a box on a large desktop lands
// beside a table that is elsewhere. It stays inside the table's screen. The
// height used is the box's height before this question resized it.
void MessageDialog::placeOnScreen(int heightBefore)
{
    const QWidget* table = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const QScreen* screen = table != nullptr ? table->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect over = table != nullptr ? table->frameGeometry() : screen->geometry();
    const QRect inside = screen->availableGeometry();
    const int left = over.x() + over.width() / 2 - width() / 2;
    const int top = over.y() + static_cast<int>(over.height() / 1.6) - heightBefore / 4;
    move(std::max(inside.left(), std::min(left, inside.right() + 1 - width())),
         std::max(inside.top(), std::min(top, inside.bottom() + 1 - height())));
}

void MessageDialog::finish(int index)
{
    m_lastAnswer = index;
    done(index);
    // The answer may well ask the next question, so the callback is taken
    // out first.
    auto onAnswer = std::exchange(m_onAnswer, {});
    emit answered(index);
    if (onAnswer)
        onAnswer(index);
}

void MessageDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_dragStart = event->globalPosition().toPoint();
    m_boxStart = pos();
}

void MessageDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(m_boxStart + event->globalPosition().toPoint() - m_dragStart);
}

void MessageDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

// The box's own raised border, one pixel in from its edge.
void MessageDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int right = width() - 2;
    const int bottom = height() - 2;
    painter.setPen(Light);
    painter.drawRect(1, 1, right - 1, bottom - 1);
    painter.setPen(Shadow);
    painter.drawLine(1, bottom, right, bottom);
    painter.drawLine(right, 1, right, bottom);
}

}  // namespace corvane
