// Cutting a text into parts at its marker lines, or joining texts as parts.
#include "core/corpus/corpus.h"

#include "core/text/letters.h"

#include <algorithm>
#include <set>

namespace quorvelle {
namespace {

constexpr std::string_view markerStart = "****";
constexpr char propertyStart = '*';
constexpr char variableEnd = '_';
constexpr std::string_view lineBreak = "\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// The place where the line starting at from ends, before its line break.
std::size_t lineEnd(std::string_view text, std::size_t from)
{
    const std::size_t end = text.find_first_of("\r\n", from);
    return end == std::string_view::npos ? text.size() : end;
}

// The place after the line break at at (CR LF, LF or CR alone).
std::size_t afterLineBreak(std::string_view text, std::size_t at)
{
    if (at == text.size())
        return at;
    return text.compare(at, 2, "\r\n") == 0 ? at + 2 : at + 1;
}

// The words of a marker line, after its leading stars.
std::vector<std::string_view> markerWords(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = line.find_first_not_of(propertyStart);
    while (at < line.size()) {
        if (isBlank(line[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// A part being made, before its name is checked against the others'.
struct PartDraft {
    std::string name;
    std::vector<PartProperty> properties;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t line = 0;
};

// The properties and the name a marker line gives its part, the faults said in notices.
PartDraft readMarkerLine(std::string_view line, std::size_t lineNumber, std::size_t partNumber,
                         std::vector<CorpusNotice>& notices)
{
    PartDraft part;
    part.line = lineNumber;
    std::vector<std::pair<CorpusNotice::Kind, std::string>> faults;
    for (const std::string_view word : markerWords(line)) {
        const std::size_t underscore = word.find(variableEnd);
        if (word.front() != propertyStart) {
            faults.emplace_back(CorpusNotice::Kind::StrayMarkerWord, std::string(word));
        } else if (underscore == std::string_view::npos || underscore == 1 || underscore + 1 == word.size()) {
            faults.emplace_back(CorpusNotice::Kind::MalformedProperty, std::string(word));
        } else {
            PartProperty property{std::string(word.substr(1, underscore - 1)), std::string(word.substr(underscore + 1))};
            const bool known = std::ranges::any_of(
                part.properties, [&](const PartProperty& other) { return other.variable == property.variable; });
            if (known) {
                faults.emplace_back(CorpusNotice::Kind::DuplicateVariable, std::string(word));
                continue;
            }
            if (!part.name.empty())
                part.name += ' ';
            part.name.append(word.substr(1));
            part.properties.push_back(std::move(property));
        }
    }
    if (part.properties.empty()) {
        part.name = "partie " + std::to_string(partNumber);
        faults.emplace_back(CorpusNotice::Kind::MarkerWithoutVariable, std::string());
    }
    for (auto& [kind, word] : faults)
        notices.push_back({kind, part.name, std::move(word), lineNumber});
    return part;
}

// The corpus of the drafts over text: the parts without forms left out, names made unique.
Corpus finishCorpus(std::string text, std::vector<PartDraft> drafts, std::vector<CorpusNotice> notices,
                    LetterRule letters)
{
    Corpus corpus;
    corpus.text = std::move(text);
    corpus.notices = std::move(notices);
    std::set<std::string> names;
    for (PartDraft& draft : drafts) {
        const std::string_view partText = std::string_view(corpus.text).substr(draft.begin, draft.end - draft.begin);
        const Alphabet& alphabet = Alphabet::of(letters);
        if (std::ranges::none_of(partText, [&alphabet](char c) { return alphabet.isLetter(c); })) {
            corpus.notices.push_back({CorpusNotice::Kind::PartWithoutForm, draft.name, {}, draft.line});
            continue;
        }
        std::string name = draft.name;
        for (int number = 2; names.contains(name); ++number)
            name = draft.name + " (" + std::to_string(number) + ")";
        if (name != draft.name)
            corpus.notices.push_back({CorpusNotice::Kind::DuplicateName, name, draft.name, draft.line});
        names.insert(name);
        corpus.parts.push_back({std::move(name), std::move(draft.properties), draft.begin, draft.end});
    }
    return corpus;
}

} // namespace

const std::string* CorpusPart::modalityOf(std::string_view variable) const
{
    const auto found = std::ranges::find(properties, variable, &PartProperty::variable);
    return found == properties.end() ? nullptr : &found->modality;
}

std::vector<std::string> Corpus::variables() const
{
    std::vector<std::string> found;
    for (const CorpusPart& part : parts)
        for (const PartProperty& property : part.properties)
            if (std::ranges::find(found, property.variable) == found.end())
                found.push_back(property.variable);
    return found;
}

bool isMarkerLine(std::string_view line)
{
    return line.starts_with(markerStart);
}

bool hasMarkerLines(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); at = afterLineBreak(text, lineEnd(text, at)))
        if (isMarkerLine(text.substr(at)))
            return true;
    return false;
}

Corpus markedCorpus(std::string_view text, LetterRule letters)
{
    std::string joined;
    joined.reserve(text.size());
    std::vector<PartDraft> drafts;
    std::vector<CorpusNotice> notices;
    // The opening part, until a marker line says otherwise.
    drafts.push_back({std::string(openingPartName), {}, 0, 0, 0});
    std::size_t lineNumber = 1;
    for (std::size_t at = 0; at < text.size(); ++lineNumber) {
        const std::size_t end = lineEnd(text, at);
        const std::size_t next = afterLineBreak(text, end);
        const std::string_view line = text.substr(at, end - at);
        if (isMarkerLine(line)) {
            drafts.back().end = joined.size();
            drafts.push_back(readMarkerLine(line, lineNumber, drafts.size(), notices));
            drafts.back().begin = joined.size();
        } else {
            joined.append(text.substr(at, next - at));
        }
        at = next;
    }
    drafts.back().end = joined.size();
    // Blank lines before the first marker line are no part of any kind.
    const PartDraft& opening = drafts.front();
    if (std::all_of(joined.begin() + static_cast<std::ptrdiff_t>(opening.begin),
                    joined.begin() + static_cast<std::ptrdiff_t>(opening.end),
                    [](char c) { return isBlank(c) || isLineEnd(c); }))
        drafts.erase(drafts.begin());
    return finishCorpus(std::move(joined), std::move(drafts), std::move(notices), letters);
}

Corpus joinedCorpus(std::vector<NamedText> texts, LetterRule letters)
{
    std::string joined;
    std::vector<PartDraft> drafts;
    for (NamedText& part : texts) {
        if (!joined.empty() && !isLineEnd(joined.back()))
            joined.append(lineBreak);
        const std::size_t begin = joined.size();
        joined.append(part.text);
        drafts.push_back({std::move(part.name), {}, begin, joined.size(), 0});
    }
    return finishCorpus(std::move(joined), std::move(drafts), {}, letters);
}

} // namespace quorvelle
