#include "ui/bid_panel_frame.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "table/table_state.h"
#include "ui/scaled_controls.h"

namespace corvane {

namespace {

struct OptionText {
    const char* caption;
    const char* toolTip;
};

// Levels 3..7.
constexpr OptionText LevelTexts[5] = {
    {"Bid 3 - make 9 tricks", "Bid here to make 9 tricks with your partner"},
    {"Bid 4 - make 10 tricks", "Bid here to make 10 tricks with your partner"},
    {"Bid 5 - make 11 tricks", "Bid here to make 11 tricks with your partner"},
    {"Bid 6 - make 12 tricks", "Bid here to make 12 tricks with your partner"},
    {"Bid 7 - make 13 tricks", "Click to bid that you and partner will make all 13 trick"},
};
// Options 0..4.
constexpr OptionText TrumpTexts[5] = {
    {" Diamonds", "Diamonds to be Trumps"}, {"Clubs", "Clubs to be Trumps"},
    {"Hearts", "Hearts to be Trumps"},     {"Spades", "Spades to be Trumps"},
    {"No Trumps", "You wish to play with no trumps"},
};
constexpr OptionText DirectionTexts[2] = {
    {"Play High - UpTown", "Play that King is highest after Ace and Jokers"},
    {"Play Low - DownTown", "Play so that two is highest after ace and jokers"},
};

// The panel's inside, in twips of the 5055 x 5415 frame.
constexpr QRectF LevelFrame(120, 300, 2640, 2160);
constexpr QRectF TrumpsFrame(2880, 300, 2055, 2160);
constexpr QRectF DirectionFrame(120, 2580, 4815, 1080);
constexpr QRectF PassBox(360, 3840, 1800, 375);
constexpr QRectF FinishedButton(360, 4440, 2040, 615);
constexpr QRectF ResetButton(2640, 4440, 2040, 615);
constexpr double OptionLeft = 120;
constexpr double OptionTop = 330;
constexpr double OptionStep = 360;
constexpr double OptionHeight = 330;
constexpr int FontPixels = 12;

QRadioButton* option(QGroupBox* frame, QButtonGroup* group, int id, const OptionText& text, const QString& name)
{
    auto* button = new QRadioButton(QString::fromUtf8(text.caption), frame);
    button->setToolTip(QString::fromUtf8(text.toolTip));
    button->setObjectName(name);
    group->addButton(button, id);
    return button;
}

// Unchooses every option of the group, then chooses `id` if it is one.
void choose(QButtonGroup* group, int id)
{
    const QSignalBlocker blocker(group);
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(group->id(b) == id);
    group->setExclusive(true);
}

}  // namespace

BidPanelFrame::BidPanelFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("Make your bids"), parent),
      m_levelFrame(new QGroupBox(QStringLiteral("Bid for number of tricks"), this)),
      m_trumpsFrame(new QGroupBox(QStringLiteral("Choose Trumps"), this)),
      m_directionFrame(new QGroupBox(QStringLiteral("Play Up or Down"), this)),
      m_levelGroup(new QButtonGroup(this)),
      m_trumpsGroup(new QButtonGroup(this)),
      m_directionGroup(new QButtonGroup(this)),
      m_pass(new QCheckBox(QStringLiteral("PASS"), this)),
      m_finished(new QPushButton(QStringLiteral("&Finished"), this)),
      m_reset(new QPushButton(QStringLiteral("&Reset All"), this))
{
    setObjectName(QStringLiteral("FramBid"));
    setToolTip(QStringLiteral("Make your bids here"));
    // Opaque over the table; the cards in the middle lie beneath it.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(212, 208, 200));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    m_levelFrame->setObjectName(QStringLiteral("Frame3"));
    m_levelFrame->setToolTip(QStringLiteral("How many tricks can you make"));
    m_trumpsFrame->setObjectName(QStringLiteral("Frame4"));
    m_directionFrame->setObjectName(QStringLiteral("Frame2"));
    for (int level = 7; level >= 3; --level)
        m_levels[level - 3] =
            option(m_levelFrame, m_levelGroup, level, LevelTexts[level - 3], QStringLiteral("OptBids%1").arg(level));
    for (int o = 4; o >= 0; --o)
        m_trumps[o] = option(m_trumpsFrame, m_trumpsGroup, o, TrumpTexts[o], QStringLiteral("OptTrumps%1").arg(o));
    for (int o = 0; o <= 1; ++o)
        m_directions[o] =
            option(m_directionFrame, m_directionGroup, o, DirectionTexts[o], QStringLiteral("OptHighLow%1").arg(o));

    m_pass->setObjectName(QStringLiteral("CheckPass"));
    m_pass->setToolTip(QStringLiteral("Click to make no bid"));
    m_finished->setObjectName(QStringLiteral("CndFinished"));
    m_finished->setToolTip(QStringLiteral("Click when you are finished"));
    m_reset->setObjectName(QStringLiteral("CmdReset"));
    m_reset->setToolTip(QStringLiteral("Click to start all over again"));

    connect(m_levelGroup, &QButtonGroup::idClicked, this, &BidPanelFrame::levelClicked);
    connect(m_trumpsGroup, &QButtonGroup::idClicked, this, &BidPanelFrame::trumpsClicked);
    connect(m_directionGroup, &QButtonGroup::idClicked, this, &BidPanelFrame::directionClicked);
    connect(m_pass, &QCheckBox::clicked, this, &BidPanelFrame::passClicked);
    connect(m_finished, &QPushButton::clicked, this, &BidPanelFrame::finishedClicked);
    connect(m_reset, &QPushButton::clicked, this, &BidPanelFrame::resetClicked);
}

void BidPanelFrame::addControls(ScaledControls& controls)
{
    controls.add(m_levelFrame, LevelFrame, FontPixels, false, true);
    controls.add(m_trumpsFrame, TrumpsFrame, FontPixels, false, true);
    controls.add(m_directionFrame, DirectionFrame, FontPixels, false, true);
    const auto addColumn = [&](auto& options, bool topFirst, double width) {
        const int n = static_cast<int>(options.size());
        for (int i = 0; i < n; ++i) {
            const int row = topFirst ? i : n - 1 - i;
            controls.add(options[i], {OptionLeft, OptionTop + row * OptionStep, width, OptionHeight}, FontPixels,
                         false, true);
        }
    };
    addColumn(m_levels, false, LevelFrame.width() - 2 * OptionLeft);       // 7 at the top
    addColumn(m_trumps, false, TrumpsFrame.width() - 2 * OptionLeft);      // No Trumps at the top
    addColumn(m_directions, true, DirectionFrame.width() - 2 * OptionLeft);  // High above Low
    controls.add(m_pass, PassBox, FontPixels, true, true);
    controls.add(m_finished, FinishedButton, FontPixels, false, true);
    controls.add(m_reset, ResetButton, FontPixels, false, true);
}

void BidPanelFrame::setMarkSize(int pixels)
{
    setStyleSheet(QStringLiteral("QRadioButton::indicator, QCheckBox::indicator { width: %1px; height: %1px; }")
                      .arg(pixels));
}

void BidPanelFrame::showState(const BidPanel& state)
{
    choose(m_levelGroup, state.level);
    choose(m_trumpsGroup, state.trumpOption);
    choose(m_directionGroup, state.direction);
    const QSignalBlocker blocker(m_pass);
    m_pass->setChecked(state.pass);
}

}  // namespace corvane
