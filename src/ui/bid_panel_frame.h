#pragma once

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace corvane {

struct BidPanel;
class ScaledControls;

// The person's bid panel, "Make your bids": the levels 3..7, the trumps
// (options 0 Diamonds .. 3 Spades, 4 No Trumps), the direction (0 uptown,
// 1 downtown), the PASS box, "Finished" and "Reset All". The panel only
// reports clicks; what is chosen is the engine's to decide, and the panel
// then shows that state, so a refused choice is unchosen again.
class BidPanelFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit BidPanelFrame(QWidget* parent = nullptr);

    // Registers the panel's own controls for scaling with the table.
    void addControls(ScaledControls& controls);
    // The option and check marks grow with the table's text.
    void setMarkSize(int pixels);
    // Shows exactly the choices in `state`.
    void showState(const BidPanel& state);

    QRadioButton* levelOption(int level) const { return m_levels.at(level - 3); }
    QRadioButton* trumpsOption(int option) const { return m_trumps.at(option); }
    QRadioButton* directionOption(int option) const { return m_directions.at(option); }
    QCheckBox* passBox() const { return m_pass; }
    QPushButton* finishedButton() const { return m_finished; }
    QPushButton* resetButton() const { return m_reset; }

signals:
    void levelClicked(int level);
    void trumpsClicked(int option);
    void directionClicked(int option);
    void passClicked(bool checked);
    void finishedClicked();
    void resetClicked();

private:
    QGroupBox* m_levelFrame;
    QGroupBox* m_trumpsFrame;
    QGroupBox* m_directionFrame;
    std::array<QRadioButton*, 5> m_levels{};      // index level - 3
    std::array<QRadioButton*, 5> m_trumps{};      // index = option
    std::array<QRadioButton*, 2> m_directions{};  // index = option
    QButtonGroup* m_levelGroup;
    QButtonGroup* m_trumpsGroup;
    QButtonGroup* m_directionGroup;
    QCheckBox* m_pass;
    QPushButton* m_finished;
    QPushButton* m_reset;
};

}  // namespace corvane
