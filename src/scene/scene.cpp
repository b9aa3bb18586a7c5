#include "scene/scene.h"

#include <algorithm>

namespace corvane {

Scene::Scene()
{
    for (Card c = 1; c <= CardCount; ++c)
        m_cards[c].z = c;  // the card controls are created in id order
    m_captions = {"Your Truly", "West Opponent", "Your Partner", "East Opponent", "PASS", "PASS", "", "", "", "",
                  "Scores"};
}

struct Scene::Apply {
    Scene& s;
    void operator()(const step::Move& m)
    {
        Sprite& sprite = s.m_cards[m.card];
        sprite.left = m.left;
        sprite.top = m.top;
        sprite.faceUp = m.faceUp;
        if (m.toFront)
            sprite.z = ++s.m_topZ;
    }
    void operator()(const step::ShowCard& c) { s.m_cards[c.card].visible = c.visible; }
    void operator()(const step::ShowControl& c) { s.m_shown[static_cast<int>(c.control)] = c.visible; }
    void operator()(const step::Caption& c) { s.m_captions[static_cast<int>(c.label)] = c.text; }
    void operator()(const step::ShowTrumps& t) { s.m_trumps = t.picture; }
    void operator()(const step::Sound&) {}
    void operator()(const step::Pause&) {}
    void operator()(const step::Log& l) { s.m_log.push_back(l.line); }
    void operator()(const step::ClearLog&) { s.m_log.clear(); }
    void operator()(const step::Ring& r) { s.m_rings = r.cards; }
    void operator()(const step::ShowTrick& t) { s.m_trick = t; }
};

void Scene::apply(const Step& s) { std::visit(Apply{*this}, s); }

std::vector<Card> Scene::paintOrder() const
{
    std::vector<Card> order;
    for (Card c = 1; c <= CardCount; ++c)
        if (m_cards[c].visible)
            order.push_back(c);
    std::sort(order.begin(), order.end(), [this](Card a, Card b) { return m_cards[a].z < m_cards[b].z; });
    return order;
}

Card Scene::cardAt(int x, int y) const
{
    const std::vector<Card> order = paintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Sprite& s = m_cards[*it];
        if (x >= s.left && x < s.left + CardWidth && y >= s.top && y < s.top + CardHeight)
            return *it;
    }
    return NoCard;
}

void playInstantly(Scene& scene, const Steps& steps)
{
    for (const Step& s : steps)
        scene.apply(s);
}

}  // namespace corvane
