#include "scoreboard/drive/drive_script.h"
#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <sstream>

namespace scoreboard::drive {

namespace {

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::optional<long long> number(const std::string& s)
{
    long long v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size())
        return std::nullopt;
    return v;
}

// A number written as decimal digits, within [low, high]; anything else, a number too long for
// the range included, is no number.
std::optional<long long> numberWithin(const std::string& s, long long low, long long high)
{
    auto n = number(s);
    if (!n || *n < low || *n > high)
        return std::nullopt;
    return n;
}

// Control array indexes run from 0 to 32767, as the stored layouts keep them.
constexpr long long kMaxIndex = 32767;
// The longest wait: the virtual clock counts microseconds, and a day of script is far more than
// any match needs.
constexpr long long kMaxWaitMs = 24LL * 60 * 60 * 1000;

// "name" or "name(3)"; false with `error` set when the text is neither.
bool controlRef(const std::string& s, std::string& name, int& index, std::string& error)
{
    auto open = s.find('(');
    if (open == std::string::npos) {
        name = s;
        index = -1;
        return !s.empty();
    }
    if (s.back() != ')' || open == 0)
        return false;
    const std::string digits = s.substr(open + 1, s.size() - open - 2);
    auto n = numberWithin(digits, 0, kMaxIndex);
    if (!n) {
        error = "index \"" + digits + "\" is not a number from 0 to " + std::to_string(kMaxIndex);
        return false;
    }
    name = s.substr(0, open);
    index = int(*n);
    return true;
}

} // namespace

std::optional<int> keyFromName(const std::string& raw)
{
    static const std::map<std::string, int> named = {
        {"enter", 13}, {"return", 13}, {"space", 32}, {"esc", 27}, {"escape", 27}, {"tab", 9}, {"backspace", 8},
        {"left", 37}, {"up", 38}, {"right", 39}, {"down", 40}, {"shift", 16}, {"ctrl", 17}, {"control", 17},
        {"alt", 18}, {"home", 36}, {"end", 35}, {"pageup", 33}, {"pagedown", 34}, {"insert", 45}, {"delete", 46},
    };
    std::string name = lower(raw);
    if (auto it = named.find(name); it != named.end())
        return it->second;
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0])))
        return 'A' + (name[0] - 'a');
    if (name.size() >= 2 && name[0] == 'f') {
        if (auto n = numberWithin(name.substr(1), 1, 24))
            return int(0x70 + *n - 1);
    }
    // A single digit is the digit key; a longer number is a virtual-key code.
    if (name.size() == 1 && std::isdigit(static_cast<unsigned char>(name[0])))
        return '0' + (name[0] - '0');
    if (auto n = numberWithin(name, 1, 255))
        return int(*n);
    return std::nullopt;
}

ParsedScript parseScript(const std::string& text)
{
    ParsedScript out;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    auto fail = [&](const std::string& message) {
        out.error = ScriptError{lineNo, message};
        return out;
    };
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        line = line.substr(start);
        size_t space = line.find_first_of(" \t");
        std::string verb = lower(line.substr(0, space));
        // What follows the verb and its blanks; a line that ends in blanks after the verb has none.
        const size_t restStart = space == std::string::npos ? space : line.find_first_not_of(" \t", space);
        std::string rest = restStart == std::string::npos ? "" : line.substr(restStart);
        std::vector<std::string> words;
        std::istringstream ws(rest);
        for (std::string w; ws >> w;)
            words.push_back(w);

        Step step;
        step.line = lineNo;
        std::string refError;
        if (verb == "wait") {
            auto ms = words.size() == 1 ? numberWithin(words[0], 0, kMaxWaitMs) : std::nullopt;
            if (!ms)
                return fail("wait needs a number of milliseconds from 0 to " + std::to_string(kMaxWaitMs));
            step.number = *ms;
        } else if (verb == "key" || verb == "keydown" || verb == "keyup") {
            auto vk = words.size() == 1 ? keyFromName(words[0]) : std::nullopt;
            if (!vk)
                return fail("unknown key \"" + rest + "\"");
            step.kind = verb == "key" ? Step::Kind::Key : verb == "keydown" ? Step::Kind::KeyDown : Step::Kind::KeyUp;
            step.number = *vk;
        } else if (verb == "type") {
            // Blanks alone would be taken for no text at all: a space is typed with "key space".
            if (rest.empty())
                return fail("type needs a text (a space alone is typed with \"key space\")");
            step.kind = Step::Kind::Type;
            step.text = rest;
        } else if (verb == "click" || verb == "dblclick" || verb == "rclick") {
            if (words.size() != 1 || !controlRef(words[0], step.control, step.index, refError))
                return fail(refError.empty() ? verb + " needs one control name, NAME or NAME(INDEX)" : refError);
            step.kind = verb == "click" ? Step::Kind::Click : verb == "dblclick" ? Step::Kind::DblClick : Step::Kind::RClick;
        } else if (verb == "press" || verb == "release" || verb == "hover") {
            if (words.size() != 1 || !controlRef(words[0], step.control, step.index, refError))
                return fail(refError.empty() ? verb + " needs one control name, NAME or NAME(INDEX)" : refError);
            step.kind = verb == "press" ? Step::Kind::Press : verb == "release" ? Step::Kind::Release : Step::Kind::Hover;
        } else if (verb == "show") {
            if (words.size() < 2 || !controlRef(words[0], step.control, step.index, refError))
                return fail(refError.empty() ? "show needs a control name and at least one property" : refError);
            step.kind = Step::Kind::Show;
            step.props.assign(words.begin() + 1, words.end());
        } else if (verb == "form") {
            if (words.size() != 1)
                return fail("form needs one form name");
            step.kind = Step::Kind::Form;
            step.text = words[0];
        } else if (verb == "shot") {
            if (rest.empty())
                return fail("shot needs a file name");
            step.kind = Step::Kind::Shot;
            step.text = rest;
        } else {
            return fail("unknown step \"" + verb + "\"");
        }
        out.steps.push_back(std::move(step));
    }
    return out;
}

} // namespace scoreboard::drive
