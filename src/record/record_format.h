#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "table/deal_number.h"

namespace corvane::record {

// The record format, written once: every line type with its fields. The
// writer takes its keys from here, the reader checks each line against it
// and the replay reads the values by it; a field added here is read,
// checked and compared everywhere.

// A field's key as it stands in a line, made at compile time, so that the
// writer copies it whole: ,"name":
class Key {
public:
    consteval Key(std::string_view name) : m_size(static_cast<std::uint8_t>(name.size() + 4))
    {
        if (name.size() > sizeof m_text - 4)
            throw "a key longer than the room kept for it";
        m_text[0] = ',';
        m_text[1] = '"';
        for (std::size_t i = 0; i < name.size(); ++i)
            m_text[i + 2] = name[i];
        m_text[name.size() + 2] = '"';
        m_text[name.size() + 3] = ':';
    }
    constexpr std::string_view name() const { return {m_text + 2, m_size - 4U}; }
    // ,"name": after another member; "name": first in an object.
    constexpr std::string_view next() const { return {m_text, m_size}; }
    constexpr std::string_view first() const { return {m_text + 1, m_size - 1U}; }

private:
    char m_text[24] = {};
    std::uint8_t m_size;
};

// What a field holds.
enum class Kind : std::uint8_t {
    Integer,   // a whole number from lo to hi
    Unsigned,  // a whole number from 0 to hi, which may be 2^64 - 1
    Boolean,
    Text,      // a string
    Choice,    // one of two strings
    Texts,     // a list of strings, `size` of them when size is not 0
    Numbers,   // a list of `size` whole numbers
    Cards,     // a list of distinct card ids, `size` of them (0: from 1 to 54)
    Object,    // the members of `object`, in any order
};

struct ObjectFields;

struct Field {
    Key key;
    Kind kind;
    // What a refusal says after the field's label: "must be a seat 1..4".
    std::string_view must = {};
    std::int64_t lo = 0;
    std::uint64_t hi = 0;
    bool nullable = false;
    std::size_t size = 0;
    bool ascending = false;
    std::array<std::string_view, 2> choices = {};
    const ObjectFields* object = nullptr;
    // How refusals name the field, when not by its quoted name.
    std::string_view label = {};
};

// The members of an object field. A refusal of a member names the object
// first when `prefixed`; a member missing or unknown is told by the
// object's own `must` when `closed`.
struct ObjectFields {
    std::array<const Field*, 4> members;
    bool prefixed;
    bool closed;
};

struct Member {
    const Field* field = nullptr;
    bool optional = false;
};

inline constexpr std::size_t MaxMembers = 9;

// One line type: the text of its start, {"type":"bid", made at compile
// time, and its fields in the order the writer puts them after "type".
class LineType {
public:
    consteval LineType(std::string_view type, std::array<Member, MaxMembers> members) : m_members(members)
    {
        constexpr std::string_view start = "{\"type\":\"";
        if (start.size() + type.size() + 1 > sizeof m_start)
            throw "a type longer than the room kept for it";
        for (std::size_t i = 0; i < start.size(); ++i)
            m_start[i] = start[i];
        for (std::size_t i = 0; i < type.size(); ++i)
            m_start[start.size() + i] = type[i];
        m_start[start.size() + type.size()] = '"';
        m_size = static_cast<std::uint8_t>(start.size() + type.size() + 1);
    }
    constexpr std::string_view type() const { return {m_start + 9, m_size - 10U}; }
    constexpr std::string_view start() const { return {m_start, m_size}; }
    constexpr const std::array<Member, MaxMembers>& members() const { return m_members; }

private:
    char m_start[32] = {};
    std::uint8_t m_size = 0;
    std::array<Member, MaxMembers> m_members;
};

namespace field {

inline constexpr std::int64_t Unbounded = std::numeric_limits<std::int64_t>::max();

inline constexpr Field type{.key = Key("type"), .kind = Kind::Text};
inline constexpr Field game{.key = Key("game"), .kind = Kind::Integer, .must = "must be a game number from 1",
                                .lo = 1, .hi = Unbounded};
inline constexpr Field seed{.key = Key("seed"), .kind = Kind::Unsigned,
                                .must = "must be a whole number from 0 to 2^64-1",
                                .hi = std::numeric_limits<std::uint64_t>::max()};
inline constexpr Field deal{.key = Key("deal"), .kind = Kind::Unsigned,
                                .must = "must be a deal number from 0 to 17179869183", .hi = MaxDealNumber};
static_assert(MaxDealNumber == 17179869183U, "the refusal of a deal number names the largest");
inline constexpr Field south{.key = Key("south"), .kind = Kind::Choice, .choices = {"robot", "human"}};
inline constexpr Field southNt{.key = Key("south_nt"), .kind = Kind::Boolean, .must = "must be true or false"};
inline constexpr Field robots{.key = Key("robots"), .kind = Kind::Choice, .choices = {"classic", "expert"}};
inline constexpr Field budget{.key = Key("budget"), .kind = Kind::Choice, .choices = {"full", "quick"}};
inline constexpr Field names{.key = Key("names"), .kind = Kind::Texts, .must = "must be a list of four names",
                                 .size = 4};
inline constexpr Field log{.key = Key("log"), .kind = Kind::Texts, .must = "must be a list of strings"};
inline constexpr Field drawn{.key = Key("cards"), .kind = Kind::Cards};
inline constexpr Field seat{.key = Key("seat"), .kind = Kind::Integer, .must = "must be a seat 1..4", .lo = 1,
                                .hi = 4};
inline constexpr Field dealer{.key = Key("dealer"), .kind = Kind::Integer, .must = seat.must, .lo = 1, .hi = 4};
inline constexpr Field hand{.key = Key("hand"), .kind = Kind::Integer, .must = "must be a hand number from 1",
                                .lo = 1, .hi = Unbounded};
inline constexpr Field hand1{.key = Key("1"), .kind = Kind::Cards, .size = 12, .ascending = true,
                                 .label = "the hand of seat 1"};
inline constexpr Field hand2{.key = Key("2"), .kind = Kind::Cards, .size = 12, .ascending = true,
                                 .label = "the hand of seat 2"};
inline constexpr Field hand3{.key = Key("3"), .kind = Kind::Cards, .size = 12, .ascending = true,
                                 .label = "the hand of seat 3"};
inline constexpr Field hand4{.key = Key("4"), .kind = Kind::Cards, .size = 12, .ascending = true,
                                 .label = "the hand of seat 4"};
inline constexpr ObjectFields handsOfSeats{{&hand1, &hand2, &hand3, &hand4}, false, true};
inline constexpr Field hands{.key = Key("hands"), .kind = Kind::Object,
                                 .must = "must hold the seats \"1\" to \"4\"", .object = &handsOfSeats};
inline constexpr Field kitty{.key = Key("kitty"), .kind = Kind::Cards, .size = 6, .ascending = true};
inline constexpr Field level{.key = Key("level"), .kind = Kind::Integer,
                                 .must = "must be a whole number from 3 to 7", .lo = 3, .hi = 7};
inline constexpr Field direction{.key = Key("direction"), .kind = Kind::Choice, .choices = {"up", "down"}};
inline constexpr Field trumps{.key = Key("trumps"), .kind = Kind::Integer, .must = "must be a trump number 1..5",
                                  .lo = 1, .hi = 5};
inline constexpr Field forced{.key = Key("forced"), .kind = Kind::Boolean, .must = southNt.must};
// A robot's reason; null for an action that came as a command.
inline constexpr Field why{.key = Key("why"), .kind = Kind::Text, .must = "must be a string or null",
                               .nullable = true};
inline constexpr Field discards{.key = Key("discards"), .kind = Kind::Cards, .size = 6, .ascending = true};
inline constexpr Field joker{.key = Key("joker"), .kind = Kind::Integer, .must = "must be 53 or 54", .lo = 53,
                                 .hi = 54};
inline constexpr Field card{.key = Key("card"), .kind = Kind::Integer, .must = "must be a card id 1..54", .lo = 1,
                                .hi = 54};
inline constexpr Field suitCard{.key = card.key, .kind = Kind::Integer, .must = "must be a suit card id 1..52",
                                    .lo = 1, .hi = 52};
inline constexpr Field trick{.key = Key("number"), .kind = Kind::Integer,
                                 .must = "must be a whole number from 1 to 12", .lo = 1, .hi = 12};
// A trick nobody could win has a null winner.
inline constexpr Field trickWinner{.key = Key("winner"), .kind = Kind::Integer, .must = seat.must, .lo = 1,
                                       .hi = 4, .nullable = true};
inline constexpr Field team1{.key = Key("1"), .kind = Kind::Integer, .must = "must be a number of books 0..13",
                                 .lo = 0, .hi = 13};
inline constexpr Field team2{.key = Key("2"), .kind = Kind::Integer, .must = team1.must, .lo = 0, .hi = 13};
inline constexpr ObjectFields booksOfTeams{{&team1, &team2}, true, true};
inline constexpr Field books{.key = Key("books"), .kind = Kind::Object,
                                 .must = "must hold the teams \"1\" and \"2\"", .object = &booksOfTeams};
inline constexpr Field points{.key = Key("points"), .kind = Kind::Numbers,
                                  .must = "must be a list of two whole numbers", .size = 2};
inline constexpr Field gamePoints{.key = Key("game_points"), .kind = Kind::Numbers, .must = points.must,
                                      .size = 2};
inline constexpr Field title{.key = Key("title"), .kind = Kind::Text, .must = "must be a string"};
inline constexpr Field text{.key = Key("text"), .kind = Kind::Text, .must = title.must};
inline constexpr Field caption1{.key = Key("caption1"), .kind = Kind::Text, .must = title.must};
inline constexpr ObjectFields messageBox{{&title, &text, &caption1}, true, false};
inline constexpr Field message{.key = Key("message"), .kind = Kind::Object,
                                   .must = "must be an object with a title, a text and a caption1",
                                   .object = &messageBox};
inline constexpr Field name{.key = Key("name"), .kind = Kind::Text, .must = title.must};
inline constexpr Field gameWinner{.key = trickWinner.key, .kind = Kind::Integer, .must = "must be a team 1 or 2",
                                      .lo = 1, .hi = 2};

}  // namespace field

namespace line {

using namespace field;
inline constexpr bool Optional = true;

// A game begun from a chosen deal names it.
inline constexpr LineType game{
    "game",
    {{{&field::game}, {&seed}, {&field::deal, Optional}, {&south}, {&southNt}, {&robots, Optional}, {&budget, Optional},
      {&names}, {&log}}}};
inline constexpr LineType dealerDraw{"dealer_draw", {{{&drawn}, {&dealer}, {&log}}}};
inline constexpr LineType deal{"deal", {{{&hand}, {&dealer}, {&hands}, {&kitty}, {&log}}}};
inline constexpr LineType bid{"bid", {{{&seat}, {&level}, {&direction}, {&trumps}, {&forced}, {&why}, {&log}}}};
inline constexpr LineType pass{"pass", {{{&seat}, {&why}, {&log}}}};
inline constexpr LineType contract{"contract", {{{&seat}, {&level}, {&direction}, {&trumps}, {&log}}}};
inline constexpr LineType exchange{"exchange", {{{&seat}, {&discards}, {&why}, {&log}}}};
inline constexpr LineType jokerSwap{"joker_swap", {{{&seat}, {&joker}, {&suitCard}, {&why}, {&log}}}};
inline constexpr LineType play{"play", {{{&seat}, {&card}, {&why}, {&log}}}};
inline constexpr LineType trick{"trick", {{{&field::trick}, {&trickWinner}, {&log}}}};
inline constexpr LineType handEnd{"hand_end", {{{&books}, {&points}, {&gamePoints}, {&message}, {&log}}}};
// A seat renamed during a game, before the first action that uses the name.
inline constexpr LineType rename{"rename", {{{&seat}, {&field::name}, {&log}}}};
inline constexpr LineType gameEnd{"game_end", {{{&gameWinner}, {&log}}}};

inline constexpr std::array<const LineType*, 13> all = {&game,  &dealerDraw, &deal,    &bid,    &pass,
                                                        &contract, &exchange, &jokerSwap, &play, &trick,
                                                        &handEnd, &rename,  &gameEnd};

}  // namespace line

}  // namespace corvane::record
