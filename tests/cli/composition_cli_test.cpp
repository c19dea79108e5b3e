// quorvelle-cli on the composition statistics: the JSON examples of the contract and the
// result-box layout of the French text output.
#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quorvelle::test {
namespace {

struct OutputCase {
    const char* statistic;
    const char* options;
    const char* text; // code page 1252 bytes
    const char* out;
};

void PrintTo(const OutputCase& outputCase, std::ostream* out)
{
    *out << outputCase.statistic << ' ' << outputCase.options;
}

class CompositionOutput : public testing::TestWithParam<OutputCase> {};

TEST_P(CompositionOutput, PrintsExactly)
{
    const OutputCase& outputCase = GetParam();
    const TemporaryFile file(outputCase.text);
    const CliRun run = runCli(std::string(outputCase.statistic) + " " + outputCase.options + " " + file.argument());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, outputCase.out);
}

INSTANTIATE_TEST_SUITE_P(JsonExamples, CompositionOutput, testing::Values(
    OutputCase{"lengths", "--json", "Le chat dort.",
               R"({"tokenCount":3,"rows":[[2,4,66.67],[1,2,33.33]],"forms":{"4":[["chat",1],["dort",1]],"2":[["le",1]]}})"
               "\n"},
    OutputCase{"letters", "--json", "Elle aime le th\xE9.",
               R"({"keys":["a","e","é","h","i","l","m","t"],)"
               R"("counts":{"a":[[1,1]],"e":[[1,2],[2,1]],"é":[[1,1]],"h":[[1,1]],"i":[[1,1]],"l":[[1,1],[2,1]],"m":[[1,1]],"t":[[1,1]]},)"
               R"("forms":{"a":{"1":[["aime",1]]},"e":{"1":[["aime",1],["le",1]],"2":[["elle",1]]},"é":{"1":[["thé",1]]},)"
               R"("h":{"1":[["thé",1]]},"i":{"1":[["aime",1]]},"l":{"1":[["le",1]],"2":[["elle",1]]},"m":{"1":[["aime",1]]},)"
               R"("t":{"1":[["thé",1]]}}})"
               "\n"},
    OutputCase{"edges", "--json", "Le sel est l\xE0.",
               R"({"rows":[["e",1,1],["l",2,1],["s",1,0],["t",0,1],["à",0,1]],)"
               R"("starts":{"e":[["est",1]],"l":[["là",1],["le",1]],"s":[["sel",1]]},)"
               R"("ends":{"e":[["le",1]],"l":[["sel",1]],"t":[["est",1]],"à":[["là",1]]}})"
               "\n"},
    OutputCase{"doubles", "--json", "Elle appelle Bella.",
               R"({"keys":["ll","pp"],"counts":{"ll":[[1,3]],"pp":[[1,1]]},)"
               R"("forms":{"ll":{"1":[["appelle",1],["bella",1],["elle",1]]},"pp":{"1":[["appelle",1]]}}})"
               "\n"},
    OutputCase{"pairs", "--json", "Chercher.",
               R"({"keys":["ch","er","he","rc"],"counts":{"ch":[[2,1]],"er":[[2,1]],"he":[[2,1]],"rc":[[1,1]]},)"
               R"("forms":{"ch":{"2":[["chercher",1]]},"er":{"2":[["chercher",1]]},"he":{"2":[["chercher",1]]},)"
               R"("rc":{"1":[["chercher",1]]}}})"
               "\n"}));

INSTANTIATE_TEST_SUITE_P(NoForm, CompositionOutput, testing::Values(
    OutputCase{"lengths", "--json", "2001 !", "{\"tokenCount\":0,\"rows\":[],\"forms\":{}}\n"},
    OutputCase{"letters", "--json", "", "{\"keys\":[],\"counts\":{},\"forms\":{}}\n"},
    OutputCase{"edges", "--json", "...", "{\"rows\":[],\"starts\":{},\"ends\":{}}\n"},
    OutputCase{"doubles", "--json", "le chat dort", "{\"keys\":[],\"counts\":{},\"forms\":{}}\n"},
    OutputCase{"pairs", "--json", "a b c", "{\"keys\":[],\"counts\":{},\"forms\":{}}\n"}));

INSTANTIATE_TEST_SUITE_P(FrenchText, CompositionOutput, testing::Values(
    OutputCase{"lengths", "", "Le chat dort.",
               "Statistiques formes / caractères (Rangs)\n\n"
               "Nombre total de formes de l'extrait : 3\n\n"
               "Nombre de forme(s)\tNombre caractères par forme\t%\n2\t4\t66,67\n1\t2\t33,33\n\n"
               "Forme(s) de 4 caractère(s)\nchat  (1)\ndort  (1)\n\n"
               "Forme(s) de 2 caractère(s)\nle  (1)\n"},
    OutputCase{"doubles", "", "Elle appelle Bella.",
               "Statistiques Lettres redoublées\n\n"
               "Lettres : ll\nNombre d' attestations\tNombres de formes\n1\t3\n\n"
               "Nombre d' attestations : 1\nappelle (1)\nbella (1)\nelle (1)\n\n"
               "Lettres : pp\nNombre d' attestations\tNombres de formes\n1\t1\n\n"
               "Nombre d' attestations : 1\nappelle (1)\n"},
    OutputCase{"edges", "", "Le sel est l\xE0.",
               " Lettres de l'alphabet- début/fin de mot\n\n"
               "Lettres\tDébut\tFin\ne\t1\t1\nl\t2\t1\ns\t1\t0\nt\t0\t1\nà\t0\t1\n\n"
               "Lettres : e\nDébut de mot : 1\nest (1)\nFin de mot : 1\nle (1)\n\n"
               "Lettres : l\nDébut de mot : 2\nlà (1)\nle (1)\nFin de mot : 1\nsel (1)\n\n"
               "Lettres : s\nDébut de mot : 1\nsel (1)\nFin de mot : 0\n\n"
               "Lettres : t\nDébut de mot : 0\nFin de mot : 1\nest (1)\n\n"
               "Lettres : à\nDébut de mot : 0\nFin de mot : 1\nlà (1)\n"}));

TEST(CompositionOutput, LetterAndPairCaptions)
{
    const TemporaryFile file("Le le");
    const CliRun letters = runCli("letters " + file.argument());
    EXPECT_EQ(letters.out, "Statistiques formes / lettres de l'alphabet\n\n"
                           "Lettres : e\nNombre d' attestation(s)\tNombre de forme(s)\n1\t2\n\n"
                           "Nombre d' attestation(s) : 1\nle (2)\n\n"
                           "Lettres : l\nNombre d' attestation(s)\tNombre de forme(s)\n1\t2\n\n"
                           "Nombre d' attestation(s) : 1\nle (2)\n");
    const CliRun pairs = runCli("pairs " + file.argument());
    EXPECT_EQ(pairs.out, "Statistiques Récurrences phoniques\n\n"
                         "Associations : le\nNombre d' attestation(s)\tNombre de forme(s)\n1\t2\n\n"
                         "Nombre d' attestation(s) : 1\nle (2)\n");
}

TEST(CompositionOutput, AllListsTheCompositionStatisticsInOrder)
{
    const TemporaryFile file("Le chat dort.");
    const std::string out = runCli("all --json " + file.argument()).out;
    std::size_t previous = 0;
    for (const char* name : {"\"vocabulary\":", "\"lengths\":", "\"letters\":", "\"edges\":", "\"doubles\":", "\"pairs\":"}) {
        const std::size_t found = out.find(name);
        ASSERT_NE(found, std::string::npos) << name;
        EXPECT_GT(found, previous) << name;
        previous = found;
    }
}

} // namespace
} // namespace quorvelle::test
