#include "rules/scoring/hand_outcome.h"

namespace corvane {

namespace {

constexpr int GameLimit = 7;

constexpr const char* LostText =
    " sorry, your team lost that game. If you wish to play another game just click 'Right' here and then press F2.";

HandOutcome ended(Team winner, std::string text, const char* title, int picture)
{
    const int won = winner == OurTeam ? 1 : 0;
    return HandOutcome{true, winner, won, 1, MessageBox{std::move(text), "Right", "", "", picture, title}};
}

HandOutcome goesOn(std::string text, const char* caption)
{
    return HandOutcome{false, 0, 0, 0, MessageBox{std::move(text), caption, "", "", 4, "Deal next hand."}};
}

HandOutcome ourOutcome(int points, const std::string& name)
{
    if (points >= GameLimit)
        return ended(OurTeam,
                     name + " well done, your team won that game. If you wish to play another game just click "
                            "'Right' here and then press F2.",
                     "You Win!", 5);
    if (points <= -GameLimit)
        return ended(TheirTeam, name + LostText, "You Lost!", 6);
    return goesOn(name + " game not over, just click 'Right' to deal next hand.", "Right");
}

HandOutcome theirOutcome(int points, const std::string& name)
{
    if (points >= GameLimit)
        return ended(TheirTeam, name + LostText, "You Lost!", 6);
    if (points <= -GameLimit)
        return ended(OurTeam,
                     name + " well done, their team lost that game. If you wish to play another game just click "
                            ";Right' here and then press F2.",
                     "You Won!", 6);
    return goesOn(
        name + " game not over, just click 'Right' to deal next hand. See points situation bottom right of screen.",
        "O.K");
}

}  // namespace

std::optional<HandOutcome> handOutcome(Team team, int gamePoints, const std::string& personName)
{
    if (team == OurTeam)
        return ourOutcome(gamePoints, personName);
    if (team == TheirTeam)
        return theirOutcome(gamePoints, personName);
    return std::nullopt;
}

HandOutcome uncounted(HandOutcome out)
{
    out.wonAdded = 0;
    out.playedAdded = 0;
    if (out.gameOver)
        out.message.text += " This game began from a replayed or chosen deal, so it is not counted in the statistics.";
    return out;
}

}  // namespace corvane
