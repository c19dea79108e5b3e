// How often the lemmatization is right, on passages of novels lemmatized by hand: one its rules
// were worked out on, and one they never saw.
#include "core/lemmas/lemmatized_text.h"

#include "core/test_texts.h"
#include "core/text/encoding.h"
#include "core/text/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace quorvelle {
namespace {

struct HandReading {
    std::string form;
    std::string lemma;
    std::string category;
};

// NAME-lemmas.tsv: form, lemma, category (UTF-8), one occurrence a line, # for comments.
std::vector<HandReading> handReadings(const std::string& name)
{
    std::ifstream file(QUORVELLE_TEST_DATA "/lemmas/" + name + "-lemmas.tsv");
    std::vector<HandReading> readings;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        readings.push_back(
            {line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)});
    }
    return readings;
}

class LemmatizationReference : public testing::TestWithParam<const char*> { };

// The share of right lemmas and categories on the passage NAME-passage.txt, written out with
// the errors for the closing notes of changes to the rules.
TEST_P(LemmatizationReference, NearlyEveryLemmaAndCategoryIsRight)
{
    const std::string name = GetParam();
    const std::string text =
        decodeText(readFileBytes(QUORVELLE_TEST_DATA "/lemmas/" + name + "-passage.txt"), Encoding::Auto);
    const TokenizedText tokens = tokenize(text);
    const LemmatizedText lemmas = lemmatize(text, tokens, FrenchDictionary());
    const std::vector<HandReading> reference = handReadings(name);
    ASSERT_EQ(reference.size(), lemmas.occurrenceCount());

    std::size_t rightLemmas = 0;
    std::size_t rightCategories = 0;
    std::map<std::string, int> errors;
    auto form = tokens.tokens.begin();
    for (std::size_t occurrence = 0; occurrence < reference.size(); ++occurrence, ++form) {
        const HandReading& hand = reference[occurrence];
        ASSERT_EQ(hand.form, cp1252ToUtf8(tokens.forms.form(*form))) << "line " << occurrence + 1;
        const Lemma& read = lemmas.lemmas()[lemmas.lemmaAt(occurrence)];
        const std::string lemma = cp1252ToUtf8(read.lemma);
        const std::string category = cp1252ToUtf8(categoryName(read.category));
        rightLemmas += lemma == hand.lemma;
        rightCategories += category == hand.category;
        if (lemma != hand.lemma || category != hand.category)
            ++errors[hand.form + " : " + lemma + " " + category + " au lieu de " + hand.lemma + " " + hand.category];
    }
    const double lemmaShare = static_cast<double>(rightLemmas) / static_cast<double>(reference.size());
    const double categoryShare = static_cast<double>(rightCategories) / static_cast<double>(reference.size());
    std::cout << name << ", " << reference.size() << " occurrences : lemmes justes " << lemmaShare * 100
              << " %, catégories justes " << categoryShare * 100 << " %\n";
    for (const auto& [error, count] : errors)
        std::cout << "  " << count << " × " << error << '\n';
    EXPECT_GE(lemmaShare, 0.92);
    EXPECT_GE(categoryShare, 0.92);
}

INSTANTIATE_TEST_SUITE_P(Passages, LemmatizationReference, testing::Values("reference", "held-out"));

} // namespace
} // namespace quorvelle
