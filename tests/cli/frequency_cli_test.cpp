// quorvelle-cli on the frequency-based statistics and the comparison: the JSON examples of
// the contract, the French text layout, and the second file that the comparison needs.
#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quorvelle::test {
namespace {

struct OutputCase {
    const char* statistic;
    const char* text1; // code page 1252 bytes
    const char* text2; // nullptr for one file
    const char* options;
    const char* out;
};

void PrintTo(const OutputCase& outputCase, std::ostream* out)
{
    *out << outputCase.statistic << ' ' << outputCase.options;
}

class FrequencyOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(FrequencyOutput, PrintsExactly)
{
    const OutputCase& outputCase = GetParam();
    const TemporaryFile file1(outputCase.text1);
    const TemporaryFile file2(outputCase.text2 ? outputCase.text2 : "");
    std::string arguments = std::string(outputCase.statistic) + " " + outputCase.options + " " + file1.argument();
    if (outputCase.text2)
        arguments.append(" ").append(file2.argument());
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, outputCase.out);
}

INSTANTIATE_TEST_SUITE_P(JsonExamples, FrequencyOutput, testing::Values(
    OutputCase{"frequencies", "le chat et le chien", nullptr, "--json",
               R"({"tokenCount":5,"distinctCount":4,"meanFrequency":1.2,"rows":[[2,1,0.8],[1,3,-0.2]],)"
               R"("forms":{"2":["le"],"1":["chat","chien","et"]}})" "\n"},
    OutputCase{"cooccurrences", "il dit que il dit que oui.", nullptr, "--json",
               R"({"tokenCount":7,"pairs":[["dit que",2],["il dit",2]],"rows":[[2,2]],)"
               R"("byCount":[["dit que",2],["il dit",2]]})" "\n"},
    OutputCase{"sentences", "Il pleut. Vient-il ? Oui.", nullptr, "--json",
               R"({"sentenceCount":3,"tokenCount":5,"meanLength":1.67,)"
               R"("sentences":[[1,".",2,"Il pleut."],[2,"?",2," Vient-il ?"],[3,".",1," Oui."]]})" "\n"},
    OutputCase{"enrichment", "le chat le.", nullptr, "--json",
               R"({"tokenCount":3,"slices":[[1,2]],"knownForms":[["chat",1,1],["le",2,1]]})" "\n"},
    OutputCase{"compare", "le chat et le chien.", "le chien, le loup.", "--json",
               R"({"text1":{"tokenCount":5,"distinctCount":4},"text2":{"tokenCount":4,"distinctCount":3},)"
               R"("commonCount":2,"properCount1":2,"properCount2":1,"commonTokens1":3,"commonTokens2":3,)"
               R"("properTokens1":2,"properTokens2":1,"commonShare1":50,"commonShare2":66.67,)"
               R"("properShare1":50,"properShare2":33.33,"commonTokenShare1":60,"commonTokenShare2":75,)"
               R"("properTokenShare1":40,"properTokenShare2":25,"commonForms":[["chien",1,1],["le",2,2]],)"
               R"("properForms1":[["chat",1],["et",1]],"properForms2":[["loup",1]]})" "\n"}
));

INSTANTIATE_TEST_SUITE_P(NoValueAndUtf8, FrequencyOutput, testing::Values(
    OutputCase{"frequencies", "2001", nullptr, "--json",
               R"({"tokenCount":0,"distinctCount":0,"meanFrequency":null,"rows":[],"forms":{}})" "\n"},
    OutputCase{"cooccurrences", "\xC9t\xE9 chaud, \xE9t\xE9 chaud", nullptr, "--json",
               R"({"tokenCount":4,"pairs":[["été chaud",2]],"rows":[[2,1]],"byCount":[["été chaud",2]]})" "\n"},
    OutputCase{"sentences", "\r\n", nullptr, "--json",
               R"({"sentenceCount":0,"tokenCount":0,"meanLength":null,"sentences":[]})" "\n"},
    OutputCase{"sentences", "Oui.\r\nNon", nullptr, "--json",
               R"({"sentenceCount":2,"tokenCount":2,"meanLength":1,"sentences":[[1,".",1,"Oui."],[2,"",1,"\r\nNon"]]})" "\n"},
    OutputCase{"compare", "", "le", "--json",
               R"({"text1":{"tokenCount":0,"distinctCount":0},"text2":{"tokenCount":1,"distinctCount":1},)"
               R"("commonCount":0,"properCount1":0,"properCount2":1,"commonTokens1":0,"commonTokens2":0,)"
               R"("properTokens1":0,"properTokens2":1,"commonShare1":null,"commonShare2":0,)"
               R"("properShare1":null,"properShare2":100,"commonTokenShare1":null,"commonTokenShare2":0,)"
               R"("properTokenShare1":null,"properTokenShare2":100,"commonForms":[],"properForms1":[],)"
               R"("properForms2":[["le",1]]})" "\n"}
));

INSTANTIATE_TEST_SUITE_P(FrenchText, FrequencyOutput, testing::Values(
    OutputCase{"frequencies", "le chat et le chien", nullptr, "",
               "Fréquences d'attestation - Calcul des écarts\n\n"
               "Nombre total de formes de l'extrait : 5\n"
               "Nombre total de formes différentes : 4\n"
               "Fréquence moyenne d'attestation : 1,2\n\n"
               "Fréq. d' attestation réelle\tNombre de forme(s)\tEcarts positifs ou négatifs\n"
               "2\t1\t0,8\n"
               "1\t3\t-0,2\n"
               "\nForme(s) attestée(s) 2 fois\nle\n"
               "\nForme(s) attestée(s) 1 fois\nchat\nchien\net\n"},
    OutputCase{"cooccurrences", "a b a b a b c d c d", nullptr, "",
               "Statistiques  -  Les cooccurrences\n\n"
               "Nombre total de formes : 10\n\n"
               "Nombre d'attestations\tNombre de cooccurrences différentes\n"
               "2\t2\n"
               "3\t1\n"
               "\nCooccurrences attestées 2 fois\nb a (2)\nc d (2)\n"
               "\nCooccurrences attestées 3 fois\na b (3)\n"
               "\nToutes les cooccurrences par ordre alphabétique\na b (3)\nb a (2)\nc d (2)\n"
               "\nToutes les cooccurrences par nombre d'attestations\nb a (2)\nc d (2)\na b (3)\n"},
    OutputCase{"sentences", "Il pleut. Vient-il ? Oui. Non", nullptr, "",
               "Statistiques  -  Les longueurs de phrases\n\n"
               "Nombre total  de phrases : 4\n"
               "Nombre total de formes : 6\n"
               "Moyenne de formes par phrase : 1,5\n\n"
               "N° phrase\tPonctuation\tNombre de formes\n"
               "1\t.\t2\n"
               "2\t?\t2\n"
               "3\t.\t1\n"
               "4\t\t1\n"
               "\nPhrase 1\nIl pleut.\n"
               "\nPhrase 2\n Vient-il ?\n"
               "\nPhrase 3\n Oui.\n"
               "\nPhrase 4\n Non\n"},
    OutputCase{"enrichment", "Le chat le.", nullptr, "",
               "L'enrichissement du vocabulaire\n\n"
               "Nombre total de formes : 3\n\n"
               "Tranche(s)*\tNombre de formes nouvelles\n"
               "1\t2\n"
               "* Une tranche = 100 mots\n"
               "\nFormes nouvelles de la tranche 1\nchat (1)\nle (2)\n"},
    OutputCase{"compare", "le chat et le chien.", "le chien, le loup.", "",
               "La comparaison de vocabulaires\n\n"
               "Nombre total de formes du texte n°1 : 5\n"
               "Nombre total de formes du texte n°2 : 4\n"
               "Nombre total de formes différentes du texte n°1 : 4\n"
               "Nombre total de formes différentes du texte n°2 : 3\n"
               "Nombre total de formes différentes communes : 2\n"
               "équivalant à: \n"
               "50% du total des formes différentes du TEXTE 1 \n"
               "66,67% du total des formes différentes du TEXTE 2 \n"
               "représentant:\n"
               "pour le TEXTE 1: 3 attestations ou 60% du total des attestations.\n"
               "pour le TEXTE 2: 3 attestations ou 75% du total des attestations.\n"
               "\nTEXTE N°1\n"
               "Nombre total de formes différentes propres : 2\n"
               "équivalant à: \n"
               "50% du total des formes différentes \n"
               "représentant:\n"
               "2 attestations ou 40% du total des attestations.\n"
               "\nTEXTE N°2\n"
               "Nombre total de formes différentes propres : 1\n"
               "équivalant à: \n"
               "33,33% du total des formes différentes \n"
               "représentant:\n"
               "1 attestations ou 25% du total des attestations.\n"
               "\nFormes communes\nchien (1)  (1)\nle (2)  (2)\n"
               "\nFormes propres au texte n°1\nchat (1)\net (1)\n"
               "\nFormes propres au texte n°2\nloup (1)\n"}
));

TEST(FrequencyCli, CompareNeedsASecondFile)
{
    const TemporaryFile file("le chat");
    const CliRun run = runCli("compare --json " + file.argument());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("compare deux fichiers"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(FrequencyCli, AllIncludesTheComparisonOnlyWithASecondFile)
{
    const TemporaryFile file1("le chat et le chien.");
    const TemporaryFile file2("le chien, le loup.");
    const CliRun one = runCli("all --json " + file1.argument());
    EXPECT_EQ(one.exitCode, 0);
    for (const char* key : {"\"frequencies\":{", "\"cooccurrences\":{", "\"sentences\":{", "\"enrichment\":{"})
        EXPECT_NE(one.out.find(key), std::string::npos) << key;
    EXPECT_EQ(one.out.find("\"compare\""), std::string::npos);

    const CliRun two = runCli("all --json " + file1.argument() + " " + file2.argument());
    EXPECT_EQ(two.exitCode, 0);
    EXPECT_NE(two.out.find(",\"compare\":{\"text1\":{\"tokenCount\":5,"), std::string::npos);
    EXPECT_EQ(two.out.substr(two.out.size() - 4), "]}}\n");

    const CliRun text = runCli("all " + file1.argument() + " " + file2.argument());
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("== compare ==\nLa comparaison de vocabulaires\n"), std::string::npos);
}

} // namespace
} // namespace quorvelle::test
