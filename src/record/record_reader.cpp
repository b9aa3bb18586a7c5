#include "record/record_reader.h"

#include <initializer_list>

#include "table/card.h"
#include "table/deal_number.h"

namespace corvane::record {

namespace {

// Each check returns an empty string when the value is right, else what is
// wrong, naming the field.
using Check = std::string;

std::string quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

Check fields(const Json& v, std::initializer_list<std::string_view> names)
{
    for (std::string_view n : names)
        if (!v.find(n))
            return quoted(n) + " is missing";
    for (const auto& m : v.members()) {
        bool known = false;
        for (std::string_view n : names)
            known = known || m.first == n;
        if (!known)
            return "unknown field " + quoted(m.first);
    }
    return {};
}

Check integerIn(const Json& v, std::string_view name, long long lo, long long hi, const char* what = nullptr)
{
    const Json& f = *v.find(name);
    const auto n = f.asInt64();
    if (!n || *n < lo || *n > hi) {
        if (what)
            return quoted(name) + " must be " + what;
        return quoted(name) + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
    }
    return {};
}

Check seat(const Json& v, std::string_view name) { return integerIn(v, name, 1, 4, "a seat 1..4"); }

Check card(const Json& v, std::string_view name) { return integerIn(v, name, 1, CardCount, "a card id 1..54"); }

Check boolean(const Json& v, std::string_view name)
{
    return v.find(name)->isBool() ? Check{} : quoted(name) + " must be true or false";
}

Check direction(const Json& v)
{
    const Json& f = *v.find("direction");
    if (!f.isString() || (f.asString() != "up" && f.asString() != "down"))
        return "\"direction\" must be \"up\" or \"down\"";
    return {};
}

Check why(const Json& v)
{
    const Json& f = *v.find("why");
    return f.isNull() || f.isString() ? Check{} : "\"why\" must be a string or null";
}

Check log(const Json& v)
{
    const Json& f = *v.find("log");
    if (!f.isArray())
        return "\"log\" must be a list of strings";
    for (const Json& line : f.items())
        if (!line.isString())
            return "\"log\" must be a list of strings";
    return {};
}

// A list of distinct card ids; `size` 0 takes any length from 1 to 54.
Check cardList(const Json& f, const std::string& name, std::size_t size, bool ascending, CardSet* out = nullptr)
{
    if (!f.isArray())
        return name + " must be a list of card ids";
    if (size ? f.items().size() != size : f.items().empty() || f.items().size() > CardCount)
        return name + (size ? " must hold " + std::to_string(size) + " cards" : " must hold at least one card");
    CardSet seen;
    Card last = NoCard;
    for (const Json& item : f.items()) {
        const auto n = item.asInt64();
        if (!n || !isValidCard(static_cast<Card>(*n)))
            return name + " holds something that is not a card id 1..54";
        const Card c = static_cast<Card>(*n);
        if (seen.has(c))
            return name + " holds card " + std::to_string(c) + " twice";
        if (ascending && c < last)
            return name + " must be in ascending order";
        seen.add(c);
        last = c;
    }
    if (out)
        *out = seen;
    return {};
}

Check numberPair(const Json& v, std::string_view name)
{
    const Json& f = *v.find(name);
    if (!f.isArray() || f.items().size() != 2 || !f.items()[0].asInt64() || !f.items()[1].asInt64())
        return quoted(name) + " must be a list of two whole numbers";
    return {};
}

Check checkGame(const Json& v)
{
    // A game begun from a chosen deal names it.
    const Json* deal = v.find("deal");
    if (Check c = deal ? fields(v, {"type", "game", "seed", "deal", "south", "south_nt", "names", "log"})
                       : fields(v, {"type", "game", "seed", "south", "south_nt", "names", "log"});
        !c.empty())
        return c;
    if (deal && (!deal->asUint64() || *deal->asUint64() > MaxDealNumber))
        return "\"deal\" must be a deal number from 0 to " + std::to_string(MaxDealNumber);
    if (Check c = integerIn(v, "game", 1, INT64_MAX, "a game number from 1"); !c.empty())
        return c;
    if (!v.find("seed")->asUint64())
        return "\"seed\" must be a whole number from 0 to 2^64-1";
    const Json& south = *v.find("south");
    if (!south.isString() || (south.asString() != "robot" && south.asString() != "human"))
        return "\"south\" must be \"robot\" or \"human\"";
    if (Check c = boolean(v, "south_nt"); !c.empty())
        return c;
    const Json& names = *v.find("names");
    if (!names.isArray() || names.items().size() != 4)
        return "\"names\" must be a list of four names";
    for (const Json& n : names.items())
        if (!n.isString())
            return "\"names\" must be a list of four names";
    return log(v);
}

Check checkDeal(const Json& v)
{
    if (Check c = fields(v, {"type", "hand", "dealer", "hands", "kitty", "log"}); !c.empty())
        return c;
    if (Check c = integerIn(v, "hand", 1, INT64_MAX, "a hand number from 1"); !c.empty())
        return c;
    if (Check c = seat(v, "dealer"); !c.empty())
        return c;
    const Json& hands = *v.find("hands");
    if (!hands.isObject() || hands.members().size() != 4)
        return "\"hands\" must hold the seats \"1\" to \"4\"";
    CardSet all;
    for (const char* s : {"1", "2", "3", "4"}) {
        const Json* h = hands.find(s);
        if (!h)
            return "\"hands\" must hold the seats \"1\" to \"4\"";
        CardSet held;
        if (Check c = cardList(*h, "the hand of seat " + std::string(s), 12, true, &held); !c.empty())
            return c;
        if (!(all & held).empty())
            return "card " + std::to_string((all & held).lowest()) + " is dealt twice";
        all |= held;
    }
    CardSet kitty;
    if (Check c = cardList(*v.find("kitty"), "\"kitty\"", 6, true, &kitty); !c.empty())
        return c;
    if (!(all & kitty).empty())
        return "card " + std::to_string((all & kitty).lowest()) + " is dealt twice";
    return log(v);
}

Check checkHandEnd(const Json& v)
{
    if (Check c = fields(v, {"type", "books", "points", "game_points", "message", "log"}); !c.empty())
        return c;
    const Json& books = *v.find("books");
    if (!books.isObject() || books.members().size() != 2 || !books.find("1") || !books.find("2"))
        return "\"books\" must hold the teams \"1\" and \"2\"";
    for (const char* team : {"1", "2"})
        if (Check c = integerIn(books, team, 0, 13, "a number of books 0..13"); !c.empty())
            return "\"books\": " + c;
    if (Check c = numberPair(v, "points"); !c.empty())
        return c;
    if (Check c = numberPair(v, "game_points"); !c.empty())
        return c;
    const Json& box = *v.find("message");
    if (!box.isObject())
        return "\"message\" must be an object with a title, a text and a caption1";
    if (Check c = fields(box, {"title", "text", "caption1"}); !c.empty())
        return "\"message\": " + c;
    for (const char* f : {"title", "text", "caption1"})
        if (!box.find(f)->isString())
            return "\"message\": " + quoted(f) + " must be a string";
    return log(v);
}

}  // namespace

std::string schemaError(const Json& v)
{
    if (!v.isObject())
        return "a line must be a JSON object";
    const Json* type = v.find("type");
    if (!type || !type->isString())
        return "\"type\" is missing";
    const std::string& t = type->asString();
    auto all = [](std::initializer_list<Check> checks) {
        for (const Check& c : checks)
            if (!c.empty())
                return c;
        return Check{};
    };
    // Each check runs only once the fields it reads are known to be there.
    auto with = [&](std::initializer_list<std::string_view> names, auto&& rest) -> Check {
        if (Check c = fields(v, names); !c.empty())
            return c;
        return rest();
    };
    if (t == "game")
        return checkGame(v);
    if (t == "dealer_draw")
        return with({"type", "cards", "dealer", "log"}, [&] {
            return all({cardList(*v.find("cards"), "\"cards\"", 0, false), seat(v, "dealer"), log(v)});
        });
    if (t == "deal")
        return checkDeal(v);
    if (t == "bid")
        return with({"type", "seat", "level", "direction", "trumps", "forced", "why", "log"}, [&] {
            return all({seat(v, "seat"), integerIn(v, "level", 3, 7), direction(v),
                        integerIn(v, "trumps", 1, 5, "a trump number 1..5"), boolean(v, "forced"), why(v), log(v)});
        });
    if (t == "pass")
        return with({"type", "seat", "why", "log"}, [&] { return all({seat(v, "seat"), why(v), log(v)}); });
    if (t == "contract")
        return with({"type", "seat", "level", "direction", "trumps", "log"}, [&] {
            return all({seat(v, "seat"), integerIn(v, "level", 3, 7), direction(v),
                        integerIn(v, "trumps", 1, 5, "a trump number 1..5"), log(v)});
        });
    if (t == "exchange")
        return with({"type", "seat", "discards", "why", "log"}, [&] {
            return all({seat(v, "seat"), cardList(*v.find("discards"), "\"discards\"", 6, true), why(v), log(v)});
        });
    if (t == "joker_swap")
        return with({"type", "seat", "joker", "card", "why", "log"}, [&] {
            return all({seat(v, "seat"), integerIn(v, "joker", LittleJoker, BigJoker, "53 or 54"),
                        integerIn(v, "card", 1, 52, "a suit card id 1..52"), why(v), log(v)});
        });
    if (t == "play")
        return with({"type", "seat", "card", "why", "log"},
                    [&] { return all({seat(v, "seat"), card(v, "card"), why(v), log(v)}); });
    if (t == "trick")
        return with({"type", "number", "winner", "log"}, [&] {
            // A trick nobody could win is written with a null winner.
            const Check winner = v.find("winner")->isNull() ? Check{} : seat(v, "winner");
            return all({integerIn(v, "number", 1, 12), winner, log(v)});
        });
    if (t == "hand_end")
        return checkHandEnd(v);
    if (t == "rename")
        return with({"type", "seat", "name", "log"}, [&] {
            const Check name = v.find("name")->isString() ? Check{} : "\"name\" must be a string";
            return all({seat(v, "seat"), name, log(v)});
        });
    if (t == "game_end")
        return with({"type", "winner", "log"},
                    [&] { return all({integerIn(v, "winner", 1, 2, "a team 1 or 2"), log(v)}); });
    return "unknown type \"" + t + "\"";
}

bool RecordReader::fail(const std::string& what)
{
    m_error = "line " + std::to_string(m_number) + ": " + what;
    return false;
}

bool RecordReader::checkSchema(const Json& v)
{
    const std::string e = schemaError(v);
    return e.empty() || fail(e);
}

bool RecordReader::checkOrder(const Json& v)
{
    const std::string& type = v.find("type")->asString();
    if (type == "game") {
        m_inGame = true;
        m_drawn = false;
        m_dealt = false;
        return true;
    }
    if (!m_inGame)
        return fail(m_number == 1 ? "a record starts with a \"game\" line" : "a \"" + type + "\" line outside a game");
    if (type == "dealer_draw") {
        if (m_drawn || m_dealt)
            return fail("a second dealer draw in one game");
        m_drawn = true;
        return true;
    }
    if (type == "deal") {
        if (!m_drawn)
            return fail("a deal before the dealer draw");
        m_dealt = true;
        m_played = {};
        return true;
    }
    if (type == "game_end") {
        m_inGame = false;
        return true;
    }
    if (!m_dealt)
        return fail("a \"" + type + "\" line before the deal");
    if (type == "play") {
        const Card c = static_cast<Card>(*v.find("card")->asInt64());
        if (m_played.has(c))
            return fail("card " + std::to_string(c) + " is played twice in one hand");
        m_played.add(c);
    }
    return true;
}

std::optional<RecordLine> RecordReader::next()
{
    if (!m_error.empty())
        return std::nullopt;
    RecordLine line;
    if (!std::getline(m_in, line.text)) {
        if (m_number == 0)
            m_error = "the file holds no record";
        return std::nullopt;
    }
    line.number = ++m_number;
    if (line.text.find_first_not_of(" \t\r") == std::string::npos) {
        fail("empty line");
        return std::nullopt;
    }
    std::string error;
    auto value = parseJson(line.text, error);
    if (!value) {
        fail("not valid JSON: " + error);
        return std::nullopt;
    }
    if (!checkSchema(*value) || !checkOrder(*value))
        return std::nullopt;
    line.value = std::move(*value);
    return line;
}

}  // namespace corvane::record
