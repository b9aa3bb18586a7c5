#include "record/record_reader.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <simdjson.h>

namespace corvane::record {

static_assert(LineParser::Padding >= simdjson::SIMDJSON_PADDING);

namespace {

using simdjson::dom::element;

// Records nest three deep; the limit keeps a hostile line's depth cheap.
constexpr std::size_t MaxDepth = 64;

// simdjson tells what is wrong but not where; its words are put as a
// record's reader would.
const char* jsonError(simdjson::error_code e)
{
    switch (e) {
    case simdjson::UNCLOSED_STRING: return "the line ends inside a string";
    case simdjson::DEPTH_ERROR: return "nested too deeply";
    case simdjson::STRING_ERROR: return "a bad escape or a lone surrogate in a string";
    case simdjson::UNESCAPED_CHARS: return "unescaped control character in a string";
    case simdjson::UTF8_ERROR: return "invalid UTF-8";
    case simdjson::NUMBER_ERROR:
    case simdjson::NUMBER_OUT_OF_RANGE: return "a number that is malformed or does not fit in 64 bits";
    case simdjson::T_ATOM_ERROR:
    case simdjson::F_ATOM_ERROR:
    case simdjson::N_ATOM_ERROR: return "invalid value";
    case simdjson::EMPTY: return "no value";
    case simdjson::TAPE_ERROR:
    case simdjson::INCOMPLETE_ARRAY_OR_OBJECT:
    case simdjson::TRAILING_CONTENT:
        return "a value, comma, colon, brace or bracket is missing, out of place or left over";
    default: return simdjson::error_message(e);
    }
}

std::string quoted(std::string_view s)
{
    std::string q;
    q.reserve(s.size() + 2);
    q += '"';
    q += s;
    q += '"';
    return q;
}

// How a refusal names a field: an object's member after the object when
// the object says so. Made only for a refusal.
std::string labelOf(const Field& f, const Field* object = nullptr)
{
    std::string label = object && object->object->prefixed ? labelOf(*object) + ": " : std::string();
    return label + (f.label.empty() ? quoted(f.key.name()) : std::string(f.label));
}

}  // namespace

struct LineParser::Impl {
    simdjson::dom::parser json{MaxLineBytes};
    RecordLine* out = nullptr;
    std::string* error = nullptr;

    bool fail(std::string what)
    {
        *error = std::move(what);
        return false;
    }

    std::uint32_t keep(std::string_view s)
    {
        out->m_strings.emplace_back(static_cast<std::uint32_t>(out->m_bytes.size()),
                                    static_cast<std::uint32_t>(s.size()));
        out->m_bytes += s;
        return static_cast<std::uint32_t>(out->m_strings.size() - 1);
    }

    // Finds each of `fields` among the members of `o`, into `found`, trying
    // the writer's order first; a refusal names what is duplicated, missing
    // or unknown.
    template <std::size_t N>
    bool match(simdjson::dom::object o, const std::array<const Field*, N>& fields,
               const std::array<bool, N>& optional, std::size_t n, std::array<element, N>& found,
               std::array<bool, N>& seen, const Field* object)
    {
        const auto refuse = [&](const std::string& what) {
            if (object && object->object->closed)
                return fail(labelOf(*object) + " " + std::string(object->must));
            return fail((object && object->object->prefixed ? labelOf(*object) + ": " : std::string()) + what);
        };
        seen.fill(false);
        std::string_view unknown;
        bool anyUnknown = false;
        std::size_t at = 0;
        for (auto [key, value] : o) {
            std::size_t k = at < n && fields[at]->key.name() == key ? at : n;
            for (std::size_t j = 0; k == n && j < n; ++j)
                if (fields[j]->key.name() == key)
                    k = j;
            ++at;
            if (k == n) {
                if (!anyUnknown)
                    unknown = key;
                anyUnknown = true;
                continue;
            }
            if (seen[k])
                return fail("not valid JSON: duplicate member " + quoted(key));
            seen[k] = true;
            found[k] = value;
        }
        for (std::size_t k = 0; k < n; ++k)
            if (!seen[k] && !optional[k])
                return refuse(quoted(fields[k]->key.name()) + " is missing");
        if (anyUnknown)
            return refuse("unknown field " + quoted(unknown));
        return true;
    }

    bool cards(element e, const Field& f, RecordLine::Slot& slot, const Field* object)
    {
        const auto label = [&] { return labelOf(f, object); };
        simdjson::dom::array list;
        if (e.get_array().get(list))
            return fail(label() + " must be a list of card ids");
        const std::size_t n = list.size();
        if (f.size ? n != f.size : n == 0 || n > CardCount)
            return fail(label() +
                        (f.size ? " must hold " + std::to_string(f.size) + " cards" : " must hold at least one card"));
        slot.first = static_cast<std::uint32_t>(out->m_cards.size());
        slot.count = static_cast<std::uint32_t>(n);
        CardSet held;
        Card last = NoCard;
        for (element item : list) {
            std::int64_t id = 0;
            if (item.get_int64().get(id) || id < 1 || id > CardCount)
                return fail(label() + " holds something that is not a card id 1..54");
            const Card c = static_cast<Card>(id);
            if (held.has(c))
                return fail(label() + " holds card " + std::to_string(c) + " twice");
            if (f.ascending && c < last)
                return fail(label() + " must be in ascending order");
            held.add(c);
            last = c;
            out->m_cards.push_back(c);
        }
        return true;
    }

    // Checks `e` against `f` and keeps its value in `slot`.
    bool value(element e, const Field& f, RecordLine::Slot& slot, const Field* object = nullptr)
    {
        slot.present = true;
        if (f.nullable && e.is_null()) {
            slot.null = true;
            return true;
        }
        const auto refuse = [&] { return fail(labelOf(f, object) + " " + std::string(f.must)); };
        switch (f.kind) {
        case Kind::Integer: {
            std::int64_t n = 0;
            if (e.get_int64().get(n) || n < f.lo || (n > 0 && static_cast<std::uint64_t>(n) > f.hi))
                return refuse();
            slot.number = n;
            return true;
        }
        case Kind::Unsigned: {
            std::uint64_t n = 0;
            if (e.get_uint64().get(n) || n > f.hi)
                return refuse();
            slot.number = static_cast<std::int64_t>(n);
            return true;
        }
        case Kind::Boolean: {
            bool b = false;
            if (e.get_bool().get(b))
                return refuse();
            slot.number = b;
            return true;
        }
        case Kind::Text: {
            std::string_view s;
            if (e.get_string().get(s))
                return refuse();
            slot.first = keep(s);
            slot.count = 1;
            return true;
        }
        case Kind::Choice: {
            std::string_view s;
            if (e.get_string().get(s) || (s != f.choices[0] && s != f.choices[1]))
                return fail(labelOf(f, object) + " must be " + quoted(f.choices[0]) + " or " + quoted(f.choices[1]));
            slot.number = s == f.choices[1];
            return true;
        }
        case Kind::Texts: {
            simdjson::dom::array list;
            if (e.get_array().get(list) || (f.size && list.size() != f.size))
                return refuse();
            slot.first = static_cast<std::uint32_t>(out->m_strings.size());
            for (element item : list) {
                std::string_view s;
                if (item.get_string().get(s))
                    return refuse();
                keep(s);
            }
            slot.count = static_cast<std::uint32_t>(out->m_strings.size() - slot.first);
            return true;
        }
        case Kind::Numbers: {
            simdjson::dom::array list;
            if (e.get_array().get(list) || list.size() != f.size)
                return refuse();
            slot.first = static_cast<std::uint32_t>(out->m_numbers.size());
            slot.count = static_cast<std::uint32_t>(f.size);
            for (element item : list) {
                std::int64_t n = 0;
                if (item.get_int64().get(n))
                    return refuse();
                out->m_numbers.push_back(n);
            }
            return true;
        }
        case Kind::Cards: return cards(e, f, slot, object);
        case Kind::Object: return members(e, f, slot);
        }
        return refuse();
    }

    // An object's members go to the store of their kind, in the format's order.
    bool members(element e, const Field& f, RecordLine::Slot& slot)
    {
        const ObjectFields& inner = *f.object;
        simdjson::dom::object o;
        if (e.get_object().get(o))
            return fail(labelOf(f) + " " + std::string(f.must));
        std::size_t n = 0;
        while (n < inner.members.size() && inner.members[n])
            ++n;
        std::array<element, 4> found;
        std::array<bool, 4> seen{};
        if (!match(o, inner.members, {}, n, found, seen, &f))
            return false;
        const Kind kind = inner.members[0]->kind;
        const auto stored = [&] {
            return kind == Kind::Cards  ? out->m_cards.size()
                   : kind == Kind::Text ? out->m_strings.size()
                                        : out->m_numbers.size();
        };
        slot.first = static_cast<std::uint32_t>(stored());
        for (std::size_t k = 0; k < n; ++k) {
            RecordLine::Slot member;
            if (!value(found[k], *inner.members[k], member, &f))
                return false;
            if (kind == Kind::Integer)
                out->m_numbers.push_back(member.number);
        }
        slot.count = static_cast<std::uint32_t>(stored() - slot.first);
        return true;
    }

    // Each card is dealt once: to one hand or to the kitty.
    bool dealtOnce()
    {
        const std::span<const Card> hands = out->cards(field::hands);
        CardSet all;
        for (std::size_t s = 0; s < 4; ++s) {
            CardSet held;
            for (Card c : hands.subspan(12 * s, 12))
                held.add(c);
            if (!(all & held).empty())
                return fail("card " + std::to_string((all & held).lowest()) + " is dealt twice");
            all |= held;
        }
        CardSet kitty;
        for (Card c : out->cards(field::kitty))
            kitty.add(c);
        if (!(all & kitty).empty())
            return fail("card " + std::to_string((all & kitty).lowest()) + " is dealt twice");
        return true;
    }

    bool whole(element root)
    {
        simdjson::dom::object o;
        if (root.get_object().get(o))
            return fail("a line must be a JSON object");
        std::string_view type;
        if (o["type"].get_string().get(type))
            return fail("\"type\" is missing");
        const auto known =
            std::find_if(line::all.begin(), line::all.end(), [&](const LineType* s) { return s->type() == type; });
        if (known == line::all.end())
            return fail("unknown type " + quoted(type));
        out->m_lineType = *known;
        // "type" first, then the line's own fields.
        std::array<const Field*, MaxMembers + 1> fields{&field::type};
        std::array<bool, MaxMembers + 1> optional{};
        std::size_t n = 1;
        for (const Member& m : (*known)->members())
            if (m.field) {
                fields[n] = m.field;
                optional[n++] = m.optional;
            }
        std::array<element, MaxMembers + 1> found;
        std::array<bool, MaxMembers + 1> seen{};
        if (!match(o, fields, optional, n, found, seen, nullptr))
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            RecordLine::Slot& slot = out->m_slots[k - 1];
            if (seen[k] && !value(found[k], *fields[k], slot))
                return false;
        }
        return !out->is(line::deal) || dealtOnce();
    }
};

LineParser::LineParser() : m_impl(std::make_unique<Impl>())
{
    // Room for a record's longest lines; the parser grows for a longer one.
    if (m_impl->json.allocate(1 << 12, MaxDepth))
        throw std::bad_alloc();
}

LineParser::~LineParser() = default;

bool LineParser::read(std::string_view text, RecordLine& out, std::string& error, bool padded)
{
    out.m_slots = {};
    out.m_bytes.assign(text);
    out.m_textSize = static_cast<std::uint32_t>(text.size());
    out.m_strings.clear();
    out.m_numbers.clear();
    out.m_cards.clear();
    element root;
    if (const auto e = m_impl->json.parse(text.data(), text.size(), !padded).get(root)) {
        error = std::string("not valid JSON: ") + jsonError(e);
        return false;
    }
    m_impl->out = &out;
    m_impl->error = &error;
    return m_impl->whole(root);
}

const RecordLine::Slot* RecordLine::slot(const Field& f) const
{
    const auto& members = m_lineType->members();
    for (std::size_t k = 0; k < members.size() && members[k].field; ++k)
        if (members[k].field == &f)
            return m_slots[k].present ? &m_slots[k] : nullptr;
    return nullptr;
}

bool RecordLine::has(const Field& f) const { return slot(f) != nullptr; }

bool RecordLine::isNull(const Field& f) const
{
    const Slot* s = slot(f);
    return s && s->null;
}

std::int64_t RecordLine::integer(const Field& f) const
{
    const Slot* s = slot(f);
    return s ? s->number : 0;
}

std::uint64_t RecordLine::unsignedInteger(const Field& f) const { return static_cast<std::uint64_t>(integer(f)); }

bool RecordLine::flag(const Field& f) const { return integer(f) != 0; }

std::string_view RecordLine::string(const Field& f) const
{
    const Slot* s = slot(f);
    if (!s || s->null)
        return {};
    if (f.kind == Kind::Choice)
        return f.choices[s->number ? 1 : 0];
    const auto [at, size] = m_strings[s->first];
    return std::string_view(m_bytes).substr(at, size);
}

std::vector<std::string_view> RecordLine::strings(const Field& f) const
{
    std::vector<std::string_view> out;
    if (const Slot* s = slot(f))
        for (std::uint32_t k = s->first; k < s->first + s->count; ++k)
            out.push_back(std::string_view(m_bytes).substr(m_strings[k].first, m_strings[k].second));
    return out;
}

std::span<const Card> RecordLine::cards(const Field& f) const
{
    const Slot* s = slot(f);
    return s ? std::span<const Card>(m_cards).subspan(s->first, s->count) : std::span<const Card>();
}

std::span<const std::int64_t> RecordLine::numbers(const Field& f) const
{
    const Slot* s = slot(f);
    return s ? std::span<const std::int64_t>(m_numbers).subspan(s->first, s->count) : std::span<const std::int64_t>();
}

bool operator==(const RecordLine& a, const RecordLine& b)
{
    if (a.m_lineType != b.m_lineType)
        return false;
    for (const Member& m : a.m_lineType->members()) {
        if (!m.field)
            break;
        const Field& f = *m.field;
        const RecordLine::Slot* x = a.slot(f);
        const RecordLine::Slot* y = b.slot(f);
        if (!x || !y) {
            if (x || y)
                return false;
            continue;
        }
        if (x->null != y->null || x->number != y->number)
            return false;
        const Kind kind = f.kind == Kind::Object ? f.object->members[0]->kind : f.kind;
        if (kind == Kind::Cards && !std::ranges::equal(a.cards(f), b.cards(f)))
            return false;
        if ((kind == Kind::Numbers || (f.kind == Kind::Object && kind == Kind::Integer)) &&
            !std::ranges::equal(a.numbers(f), b.numbers(f)))
            return false;
        if ((kind == Kind::Text || kind == Kind::Texts) && a.strings(f) != b.strings(f))
            return false;
    }
    return true;
}

RecordReader::RecordReader(std::istream& in) : m_in(in), m_buffer(std::size_t{1} << 16) {}

RecordReader::~RecordReader() = default;

bool RecordReader::fail(const std::string& what)
{
    m_error = "line " + std::to_string(m_number) + ": " + what;
    return false;
}

bool RecordReader::advance()
{
    if (!m_error.empty())
        return false;
    m_checked = false;
    const auto room = [&] { return m_buffer.size() - LineParser::Padding; };
    for (;;) {
        const char* from = m_buffer.data() + m_begin;
        const auto* nl = static_cast<const char*>(std::memchr(from, '\n', m_end - m_begin));
        const std::size_t size = nl ? static_cast<std::size_t>(nl - from) : m_end - m_begin;
        if (size > MaxLineBytes) {
            ++m_number;
            return fail("longer than " + std::to_string(MaxLineBytes) + " bytes");
        }
        if (nl || (m_eof && size > 0)) {
            m_text = {from, size};
            m_begin += nl ? size + 1 : size;
            ++m_number;
            return true;
        }
        if (m_eof) {
            if (m_in.bad())
                m_error = "the file cannot be read to its end";
            else if (m_number == 0)
                m_error = "the file holds no record";
            return false;
        }
        // Keep the start of the line and read on after it, in a buffer that
        // grows to hold the longest line taken.
        std::memmove(m_buffer.data(), from, size);
        m_begin = 0;
        m_end = size;
        if (m_end == room()) {
            m_buffer.resize(std::min(2 * m_buffer.size(), 2 * MaxLineBytes + 2 + LineParser::Padding));
            continue;
        }
        m_in.read(m_buffer.data() + m_end, static_cast<std::streamsize>(room() - m_end));
        m_end += static_cast<std::size_t>(m_in.gcount());
        m_eof = !m_in;
    }
}

namespace {

// The line types by the first letter of their name: two at most share one
// (a third stops the build). Counted, not tested for null: the sanitizers'
// build cannot compare addresses while compiling.
using ByLetter = std::array<std::array<const LineType*, 2>, 128>;
constexpr ByLetter TypesByLetter = [] {
    ByLetter t{};
    std::array<int, 128> taken{};
    for (const LineType* s : line::all) {
        const auto letter = static_cast<unsigned char>(s->type()[0]) & 127U;
        if (taken[letter] == 2)
            throw "three line types begin with one letter";
        t[letter][static_cast<std::size_t>(taken[letter]++)] = s;
    }
    return t;
}();

}  // namespace

const LineType* RecordReader::typeAsWritten() const
{
    // {"type":"play", as every line the writer makes begins.
    constexpr std::string_view start = "{\"type\":\"";
    if (m_text.size() < start.size() + 3 || std::memcmp(m_text.data(), start.data(), start.size()) != 0)
        return nullptr;
    const std::string_view rest = m_text.substr(start.size());
    for (const LineType* s : TypesByLetter[static_cast<unsigned char>(rest[0]) & 127]) {
        if (!s)
            break;
        const std::string_view type = s->type();
        if (rest.size() <= type.size() + 1 || rest[type.size()] != '"' || rest[type.size() + 1] != ',')
            continue;
        // A name of a dozen letters at most, compared in line.
        std::size_t k = 1;
        while (k < type.size() && rest[k] == type[k])
            ++k;
        if (k == type.size())
            return s;
    }
    return nullptr;
}

bool RecordReader::checkOrder(const LineType& type, Card played)
{
    // Most lines are cards played in a hand under way.
    if (&type == &line::play && m_dealt && m_inGame && !m_played.has(played)) {
        m_played.add(played);
        return true;
    }
    if (&type == &line::game) {
        m_inGame = true;
        m_drawn = false;
        m_dealt = false;
        return true;
    }
    const auto named = [&] { return quoted(type.type()); };
    if (!m_inGame)
        return fail(m_number == 1 ? "a record starts with a \"game\" line" : "a " + named() + " line outside a game");
    if (&type == &line::dealerDraw) {
        if (m_drawn || m_dealt)
            return fail("a second dealer draw in one game");
        m_drawn = true;
        return true;
    }
    if (&type == &line::deal) {
        if (!m_drawn)
            return fail("a deal before the dealer draw");
        m_dealt = true;
        m_played = {};
        return true;
    }
    if (&type == &line::gameEnd) {
        m_inGame = false;
        return true;
    }
    if (!m_dealt)
        return fail("a " + named() + " line before the deal");
    if (&type == &line::play) {
        if (m_played.has(played))
            return fail("card " + std::to_string(played) + " is played twice in one hand");
        m_played.add(played);
    }
    return true;
}

const RecordLine* RecordReader::line()
{
    if (!m_error.empty())
        return nullptr;
    if (m_checked)
        return &m_line;
    if (m_text.find_first_not_of(" \t\r") == std::string_view::npos) {
        fail("empty line");
        return nullptr;
    }
    std::string why;
    if (!m_parser.read(m_text, m_line, why, true)) {
        fail(why);
        return nullptr;
    }
    m_line.m_number = m_number;
    if (!checkOrder(m_line.lineType(), static_cast<Card>(m_line.integer(field::card))))
        return nullptr;
    m_checked = true;
    return &m_line;
}

bool RecordReader::written(const LineType& type, Card played)
{
    // A line read already has had its place checked.
    m_checked = m_checked || checkOrder(type, played);
    return m_checked;
}

const RecordLine* RecordReader::next() { return advance() ? line() : nullptr; }

}  // namespace corvane::record
