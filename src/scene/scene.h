#pragma once

#include <array>
#include <string>
#include <vector>

#include "scene/scene_items.h"
#include "scene/step.h"
#include "scene/table_geometry.h"
#include "table/card.h"

namespace corvane {

// One card on the table: where its top-left corner lies (twips), whether it
// shows its face, whether it is shown at all, and its place in the stack
// (higher z lies on top).
struct Sprite {
    int left = 0;
    int top = 0;
    bool faceUp = false;
    bool visible = false;
    int z = 0;
    bool operator==(const Sprite&) const = default;
};

// Everything the table window shows, as plain values: the 54 cards, the
// changing captions, the controls that come and go, the trump symbol and the
// message log. The choreography changes it only through steps, so a window
// that plays the same steps shows the same table.
class Scene {
public:
    // The table as the program starts: no card shown, the designed captions.
    Scene();

    const Sprite& card(Card c) const { return m_cards[c]; }
    const std::string& caption(Label l) const { return m_captions[static_cast<int>(l)]; }
    bool shown(Control c) const { return m_shown[static_cast<int>(c)]; }
    TrumpPicture trumps() const { return m_trumps; }
    const std::vector<std::string>& log() const { return m_log; }
    // The hint's rings, and the trick shown over the table.
    CardSet rings() const { return m_rings; }
    const step::ShowTrick& shownTrick() const { return m_trick; }
    bool showingTrick() const { return !m_trick.caption.empty(); }

    // The visible cards from the bottom of the stack to the top: the order
    // to paint them in.
    std::vector<Card> paintOrder() const;
    // The topmost visible card covering the point, or NoCard.
    Card cardAt(int x, int y) const;

    void apply(const Step& s);

    bool operator==(const Scene&) const = default;

private:
    struct Apply;

    std::array<Sprite, CardCount + 1> m_cards{};  // index = card id; 0 unused
    std::array<std::string, LabelCount> m_captions;
    std::array<bool, ControlCount> m_shown{};
    TrumpPicture m_trumps = NoTrumpPicture;
    std::vector<std::string> m_log;
    CardSet m_rings;
    step::ShowTrick m_trick;
    int m_topZ = CardCount;
};

// Plays a list of steps into a scene at once, ignoring pauses and sounds:
// the Instant pace, and the tests.
void playInstantly(Scene& scene, const Steps& steps);

}  // namespace corvane
