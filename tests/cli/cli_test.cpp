// quorvelle-cli end to end: the exact output of each statistic (the JSON examples of the
// contract, the French text layout, the decodings), then
// its arguments, exit codes, French messages and `all`.

#include "core/text/encoding.h"
#include "core/text/function_words.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace quorvelle::test {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
/// Quotes an argument as the program's command line is split: between double quotes, a
/// backslash doubled before a double quote (a folder's final backslash) and a double quote
/// escaped. cmd.exe reads every character between double quotes as it is.
std::string quoted(const std::string& argument)
{
    std::string result = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '"')
            result.append(backslashes + 1, '\\');
        backslashes = c == '\\' ? backslashes + 1 : 0;
        result += c;
    }
    return result.append(backslashes, '\\') + '"';
}

/// The exit code of the program runShell ran.
int exitCodeOf(int status)
{
    return status;
}

/// A command that gives a variable to the program it runs.
std::string withVariable(const std::string& name, const std::string& value)
{
    return "set \"" + name + "=" + value + "\"&& ";
}

/// Runs a UTF-8 command through cmd.exe, which takes away its first and last double quote, in
/// UTF-16: arguments with accents reach the program as they are written.
int runShell(const std::string& command)
{
    const std::string line = '"' + command + '"';
    const int length = MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(), length);
    return _wsystem(wide.c_str());
}
#else
/// Quotes a path for the shell.
std::string quoted(const std::string& path)
{
    std::string result = "'";
    for (const char c : path)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

int exitCodeOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string withVariable(const std::string& name, const std::string& value)
{
    return name + "=" + quoted(value) + " ";
}

int runShell(const std::string& command)
{
    return std::system(command.c_str());
}
#endif

// The file's bytes; the file is removed.
std::string takeFile(const std::string& path)
{
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    fs::remove(path);
    return bytes.str();
}

/// Runs quorvelle-cli (program, or the build's) with the given arguments, already quoted for
/// the shell, its standard output kept, or sent to output when it is given; environment sets
/// variables for it (withVariable).
CliRun runCli(const std::string& arguments, const std::string& output = {}, const std::string& environment = {},
              const std::string& program = QUORVELLE_CLI)
{
    const std::string base = (fs::temp_directory_path() / ("quorvelle-cli-" + std::to_string(::getpid()))).string();
    const std::string command = environment + quoted(program) + " " + arguments + " >"
        + (output.empty() ? quoted(base + ".out") : output) + " 2>" + quoted(base + ".err");
    const int status = runShell(command);
    return {exitCodeOf(status), output.empty() ? takeFile(base + ".out") : std::string(), takeFile(base + ".err")};
}

/// A file of the temporary directory holding the given bytes, removed with the object.
struct TemporaryFile {
    explicit TemporaryFile(std::string_view bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    ~TemporaryFile() { fs::remove(path); }
    TemporaryFile(const TemporaryFile&) = delete;

    /// The path, quoted for the shell.
    std::string argument() const { return quoted(path.string()); }

    static inline int created = 0;
    const fs::path path = fs::temp_directory_path()
        / ("quorvelle-text-" + std::to_string(::getpid()) + "-" + std::to_string(++created) + ".txt");
};

struct OutputCase {
    const char* arguments; // the statistic and its options
    const char* text1;     // code page 1252 bytes
    const char* text2;     // nullptr for one file
    const char* out;
};

class Output : public testing::TestWithParam<OutputCase> { };

TEST_P(Output, IsExactly)
{
    const OutputCase& outputCase = GetParam();
    const TemporaryFile file1(outputCase.text1);
    const TemporaryFile file2(outputCase.text2 ? outputCase.text2 : "");
    const CliRun run = runCli(std::string(outputCase.arguments) + " " + file1.argument()
                              + (outputCase.text2 ? std::string(" ") + file2.argument() : ""));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, outputCase.out);
}

// The JSON layouts the manual's worked examples do not already check figure by figure.
INSTANTIATE_TEST_SUITE_P(
    JsonExamples, Output,
    testing::Values(
        // The three key schemes share one writer; the letters show it.
        OutputCase{"letters --json", "Elle l\xE0", nullptr,
                   R"({"keys":["à","e","l"],"counts":{"à":[[1,1]],"e":[[2,1]],"l":[[1,1],[2,1]]},)"
                   R"("forms":{"à":{"1":[["là",1]]},"e":{"2":[["elle",1]]},"l":{"1":[["là",1]],"2":[["elle",1]]}}})"
                   "\n"},
        // A side without forms is left out of its object.
        OutputCase{"edges --json", "L\xE0", nullptr,
                   R"({"rows":[["l",1,0],["à",0,1]],"starts":{"l":[["là",1]]},"ends":{"à":[["là",1]]}})"
                   "\n"},
        // Empty lists and objects, and null for a mean over no form.
        OutputCase{"frequencies --json", "2001", nullptr,
                   R"({"tokenCount":0,"distinctCount":0,"meanFrequency":null,"rows":[],"forms":{}})"
                   "\n"},
        // The last sentence, closed by the end of the text, has an empty terminator.
        OutputCase{"sentences --json", "Il pleut. Vient-il ? Oui.\r\nNon", nullptr,
                   R"({"sentenceCount":4,"tokenCount":6,"meanLength":1.5,"sentences":[[1,".",2,"Il pleut."],)"
                   R"([2,"?",2," Vient-il ?"],[3,".",1," Oui."],[4,"",1,"\r\nNon"]]})"
                   "\n"},
        // Only the segments not always within one same longer one, however long; each with its
        // first occurrence as written, in lower case, on one line.
        OutputCase{"segments --json --maximal --max-length 0",
                   "L'\xE9t\xE9 passe. L'\xE9t\xE9\r\npasse vite. L'\xE9t\xE9 passe vite.", nullptr,
                   R"({"segments":[{"forms":["l","été","passe"],"text":"l'été passe","frequency":3,"length":3},)"
                   R"({"forms":["l","été","passe","vite"],"text":"l'été passe vite","frequency":2,"length":4}]})"
                   "\n"},
        // Equal attestations: a flat line, R² undefined.
        OutputCase{"zipf --json", "Le chat", nullptr,
                   R"({"tokenCount":2,"distinctCount":2,"intercept":0.0,"slope":0.0,"determination":null,)"
                   R"("rows":[[1,"chat",1],[2,"le",1]]})"
                   "\n"},
        // The form follows the file, read on standard input; the parts' forms numbered from 1.
        OutputCase{R"(dispersion --json - "LE chat" --parts 2 <)", "le chat le chat dort", nullptr,
                   R"({"form":"le chat","tokenCount":5,"attestations":2,"parts":[{"firstForm":1,"formCount":2,)"
                   R"("attestations":1},{"firstForm":3,"formCount":3,"attestations":1}],"juillandD":1.0,"griesDP":0.1})"
                   "\n"},
        // Every collocate, thresholds aside, the spans across the full stop: x is c = 2 of the t = 3
        // forms drawn, F = 3 of N = 12.
        OutputCase{"collocates --json --across-sentences - P --span 1 <", "p x p x p. y z y z y z x", nullptr,
                   R"({"pivot":"p","span":1,"withinSentence":false,"tokenCount":12,"pivotAttestations":3,)"
                   R"("spanForms":3,"collocates":[{"form":"x","count":2,"attestations":3,"score":0.8952646494799874},)"
                   R"({"form":"y","count":1,"attestations":3,"score":0.20888377245198925}]})"
                   "\n"}));

INSTANTIATE_TEST_SUITE_P(
    FrenchText, Output,
    testing::Values(
        OutputCase{"counts", "\xC9t\xE9 2001 !\r\n", nullptr,
                   "Nombre de caractères\nLe texte contient: \n\n          3 Caractère(s) alphabetique\n"
                   "          4 Caractère(s) numérique\n          5 Caractère(s) spécial(aux)\n"
                   "          ------------------------------------\nTotal:  12 Caractère(s)\n\nNombre de mot(s)\n"
                   "Le texte contient 1 mot(s)\n"},
        OutputCase{
            "vocabulary", "Le chat, le Chien.", nullptr,
            "Liste du vocabulaire\n\nNombre total de formes de l'extrait : 4\n"
            "Nombre total de formes différentes : 3\nFréquence moyenne d'attestation : 1,3\n\nOrdre alphabétique\n"
            "Formes\tNombre d'attestations\nchat\t1\nchien\t1\nle\t2\n\nFréquences décroissantes\n"
            "Formes\tNombre d'attestations\nle\t2\nchat\t1\nchien\t1\n"},
        OutputCase{"lengths", "Le chat dort.", nullptr,
                   "Statistiques formes / caractères (Rangs)\n\nNombre total de formes de l'extrait : 3\n\n"
                   "Nombre de forme(s)\tNombre caractères par forme\t%\n2\t4\t66,67\n1\t2\t33,33\n\n"
                   "Forme(s) de 4 caractère(s)\nchat  (1)\ndort  (1)\n\nForme(s) de 2 caractère(s)\nle  (1)\n"},
        OutputCase{"letters", "Le le", nullptr,
                   "Statistiques formes / lettres de l'alphabet\n\nLettres : e\n"
                   "Nombre d' attestation(s)\tNombre de forme(s)\n1\t2\n\nNombre d' attestation(s) : 1\nle (2)\n\n"
                   "Lettres : l\nNombre d' attestation(s)\tNombre de forme(s)\n1\t2\n\nNombre d' attestation(s) : 1\n"
                   "le (2)\n"},
        OutputCase{
            "edges", "L\xE0", nullptr,
            " Lettres de l'alphabet- début/fin de mot\n\nLettres\tDébut\tFin\nl\t1\t0\nà\t0\t1\n\nLettres : l\n"
            "Début de mot : 1\nlà (1)\nFin de mot : 0\n\nLettres : à\nDébut de mot : 0\nFin de mot : 1\nlà (1)\n"},
        OutputCase{
            "doubles", "Elle", nullptr,
            "Statistiques Lettres redoublées\n\nLettres : ll\nNombre d' attestations\tNombres de formes\n1\t1\n\n"
            "Nombre d' attestations : 1\nelle (1)\n"},
        OutputCase{"pairs", "Le le", nullptr,
                   "Statistiques Récurrences phoniques\n\nAssociations : le\n"
                   "Nombre d' attestation(s)\tNombre de forme(s)\n1\t2\n\nNombre d' attestation(s) : 1\nle (2)\n"},
        OutputCase{
            "frequencies", "le chat et le chien", nullptr,
            "Fréquences d'attestation - Calcul des écarts\n\nNombre total de formes de l'extrait : 5\n"
            "Nombre total de formes différentes : 4\nFréquence moyenne d'attestation : 1,2\n\n"
            "Fréq. d' attestation réelle\tNombre de forme(s)\tEcarts positifs ou négatifs\n2\t1\t0,8\n1\t3\t-0,2\n"
            "\nForme(s) attestée(s) 2 fois\nle\n\nForme(s) attestée(s) 1 fois\nchat\nchien\net\n"},
        OutputCase{"cooccurrences", "a b a b a b c d c d", nullptr,
                   "Statistiques  -  Les cooccurrences\n\nNombre total de formes : 10\n\n"
                   "Nombre d'attestations\tNombre de cooccurrences différentes\n2\t2\n3\t1\n\n"
                   "Cooccurrences attestées 2 fois\nb a (2)\nc d (2)\n\nCooccurrences attestées 3 fois\na b (3)\n\n"
                   "Toutes les cooccurrences par ordre alphabétique\na b (3)\nb a (2)\nc d (2)\n\n"
                   "Toutes les cooccurrences par nombre d'attestations\nb a (2)\nc d (2)\na b (3)\n"},
        OutputCase{
            "sentences", "Il pleut. Vient-il ? Oui. Non", nullptr,
            "Statistiques  -  Les longueurs de phrases\n\nNombre total  de phrases : 4\n"
            "Nombre total de formes : 6\nMoyenne de formes par phrase : 1,5\n\n"
            "N° phrase\tPonctuation\tNombre de formes\n1\t.\t2\n2\t?\t2\n3\t.\t1\n4\t\t1\n\nPhrase 1\nIl pleut.\n"
            "\nPhrase 2\n Vient-il ?\n\nPhrase 3\n Oui.\n\nPhrase 4\n Non\n"},
        OutputCase{"enrichment", "Le chat le.", nullptr,
                   "L'enrichissement du vocabulaire\n\nNombre total de formes : 3\n\n"
                   "Tranche(s)*\tNombre de formes nouvelles\n1\t2\n* Une tranche = 100 mots\n\n"
                   "Formes nouvelles de la tranche 1\nchat (1)\nle (2)\n"},
        OutputCase{
            "compare", "le chat et le chien.", "le chien, le loup.",
            "La comparaison de vocabulaires\n\nNombre total de formes du texte n°1 : 5\n"
            "Nombre total de formes du texte n°2 : 4\nNombre total de formes différentes du texte n°1 : 4\n"
            "Nombre total de formes différentes du texte n°2 : 3\n"
            "Nombre total de formes différentes communes : 2\néquivalant à: \n"
            "50% du total des formes différentes du TEXTE 1 \n66,67% du total des formes différentes du TEXTE 2 \n"
            "représentant:\npour le TEXTE 1: 3 attestations ou 60% du total des attestations.\n"
            "pour le TEXTE 2: 3 attestations ou 75% du total des attestations.\n\nTEXTE N°1\n"
            "Nombre total de formes différentes propres : 2\néquivalant à: \n"
            "50% du total des formes différentes \nreprésentant:\n"
            "2 attestations ou 40% du total des attestations.\n\nTEXTE N°2\n"
            "Nombre total de formes différentes propres : 1\néquivalant à: \n"
            "33,33% du total des formes différentes \nreprésentant:\n"
            "1 attestations ou 25% du total des attestations.\n\nFormes communes\nchien (1)  (1)\nle (2)  (2)\n\n"
            "Formes propres au texte n°1\nchat (1)\net (1)\n\nFormes propres au texte n°2\nloup (1)\n"},
        // mer: S = log10(C(30, 10) / C(15, 10)) = 4,00, G² = 20 ln 2, log ratio log2(20); "le" is banal.
        OutputCase{"specificities", "mer le mer le mer le mer le mer le mer mer mer mer mer",
                   "ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel",
                   "Spécificités\n\nFormes du texte n°1 : 15\nFormes du texte n°2 : 15\n"
                   "Seuil de spécificité : 2\nFormes spécifiques du texte n°1 : 1\n"
                   "Formes spécifiques du texte n°2 : 1\n\nForme\tTexte n°1\tTexte n°2\t"
                   "Fréquence n°1 (pour 10 000)\tFréquence n°2 (pour 10 000)\tSpécificité\tG²\tLog ratio\n"
                   "mer\t10\t0\t6666,67\t0\t4\t13,86\t4,32\nciel\t0\t10\t0\t6666,67\t-4\t-13,86\t-4,32\n"},
        // Every form, banal ones included, in full precision.
        OutputCase{"specificities --json", "mer le mer le mer le mer le mer le mer mer mer mer mer",
                   "ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel",
                   R"({"n1":15,"n2":15,"threshold":2,"forms":[)"
                   R"({"form":"mer","f1":10,"f2":0,"specificity":4.000217092972227,"g2":13.862943611198906,)"
                   R"("logRatio":4.321928094887363},)"
                   R"({"form":"le","f1":5,"f2":5,"specificity":0.18703656038621683,"g2":0.0,"logRatio":0.0},)"
                   R"({"form":"ciel","f1":0,"f2":10,"specificity":-4.000217092972227,"g2":-13.862943611198906,)"
                   R"("logRatio":-4.321928094887363}]})"
                   "\n"},
        // By frequency, the longer first, then alphabetical.
        OutputCase{"segments", "L'\xE9t\xE9 passe. L'\xE9t\xE9 passe vite. L'\xE9t\xE9 passe vite.", nullptr,
                   "Segments répétés\n\nNombre total de formes : 11\nLongueur des segments : de 2 à 8 formes\n"
                   "Fréquence minimale : 2\nSegments maximaux seulement : non\nNombre de segments répétés : 6\n\n"
                   "Segment\tFréquence\tLongueur\nl'été passe\t3\t3\nété passe\t3\t2\nl'été\t3\t2\n"
                   "l'été passe vite\t2\t4\nété passe vite\t2\t3\npasse vite\t2\t2\n"},
        // Two points: the line through them, a = log10 2, b = -1, R² = 1.
        OutputCase{"zipf", "Le le chat", nullptr,
                   "Loi de Zipf\n\nNombre total de formes de l'extrait : 3\nNombre total de formes différentes : 2\n"
                   "Droite ajustée : log10 f = a + b × log10 r\nOrdonnée à l'origine a : 0,301\nPente b : -1\n"
                   "Coefficient de détermination R² : 1\n\nRang\tForme\tNombre d'attestations\n1\tle\t2\n2\tchat\t1\n"},
        // More parts than forms: the first is empty. All in one part: D = 0; DP = (0 + ½ + ½) / 2.
        OutputCase{"dispersion - le --parts 3 <", "le chat", nullptr,
                   "Répartition de « le » dans le texte\n\nNombre total de formes : 2\nAttestations : 1\n"
                   "Nombre de parties : 3\nD de Juilland : 0\nDP de Gries : 0,5\n\n"
                   "Partie\tFormes n°\tAttestations\n1\t\t0\n2\t1–1\t1\n3\t2–2\t0\n"},
        // The span stops at the full stop: t = 2, both x; −log10 P(X = 2) = −log10(3 / 66) = 1,34.
        OutputCase{"collocates - p --span 1 --min-score 1,3 <", "p x p x p. y z y z y z x", nullptr,
                   "Cooccurrents de « p »\n\nNombre total de formes : 12\nAttestations du pivot : 3\n"
                   "Formes autour du pivot : 2\nFenêtre (formes de chaque côté) : 1\nDans la même phrase : oui\n"
                   "Cooccurrences au moins : 2\nScore au moins : 1,3\nCooccurrents affichés : 1\n\n"
                   "Forme\tCooccurrences\tAttestations\tScore\nx\t2\t3\t1,34\n"}));

// UTF-8 is recognised by default; the option, before or after the statistic, forces a reading.
// The byte-order mark once, each table under its title and ended by an empty line, the
// decimal comma, CR LF; the comparison's forms of either text merged in alphabetical order.
INSTANTIATE_TEST_SUITE_P(
    Csv, Output,
    testing::Values(OutputCase{"compare --csv", "\xE9t\xE9 et le chat",
                               "ete, le loup", // été, et, ete: accents rank second
                               "\xEF\xBB\xBFLa comparaison de vocabulaires\r\n;Texte n°1;Texte n°2\r\n"
                               "Nombre total de formes;4;3\r\nNombre total de formes différentes;4;3\r\n"
                               "Formes différentes communes;1;1\r\n% du total des formes différentes;25;33,33\r\n"
                               "Attestations des formes communes;1;1\r\n% du total des attestations;25;33,33\r\n"
                               "Formes différentes propres;3;2\r\n% du total des formes différentes;75;66,67\r\n"
                               "Attestations des formes propres;3;2\r\n% du total des attestations;75;66,67\r\n\r\n"
                               "Formes des deux textes\r\nForme;Texte n°1;Texte n°2\r\n"
                               "chat;1;0\r\net;1;0\r\nete;0;1\r\nété;1;0\r\nle;1;1\r\nloup;0;1\r\n\r\n"},
                    // --threshold, decimal comma and all: the banal "le" is shown too.
                    OutputCase{"specificities --csv --threshold 0,1",
                               "mer le mer le mer le mer le mer le mer mer mer mer mer",
                               "ciel le ciel le ciel le ciel le ciel le ciel ciel ciel ciel ciel",
                               "\xEF\xBB\xBFSpécificités\r\nForme;Texte n°1;Texte n°2;"
                               "Fréquence n°1 (pour 10 000);Fréquence n°2 (pour 10 000);"
                               "Spécificité;G²;Log ratio\r\nmer;10;0;6666,67;0;4;13,86;4,32\r\n"
                               "le;5;5;3333,33;3333,33;0,19;0;0\r\n"
                               "ciel;0;10;0;6666,67;-4;-13,86;-4,32\r\n\r\n"},
                    OutputCase{"segments --csv --min-length 3",
                               "L'\xE9t\xE9 passe. L'\xE9t\xE9 passe vite. L'\xE9t\xE9 passe vite.", nullptr,
                               "\xEF\xBB\xBFSegments répétés\r\nSegment;Fréquence;Longueur\r\nl'été passe;3;3\r\n"
                               "l'été passe vite;2;4\r\nété passe vite;2;3\r\n\r\n"},
                    // The line's figures to 15 digits in a table of their own, then the forms by rank.
                    OutputCase{"zipf --csv", "Le le chat", nullptr,
                               "\xEF\xBB\xBFLoi de Zipf\r\nMesure;Valeur\r\nNombre total de formes;3\r\n"
                               "Nombre total de formes différentes;2\r\nOrdonnée à l'origine a;0,301029995663981\r\n"
                               "Pente b;-1\r\nCoefficient de détermination R²;1\r\n\r\nFormes par rang\r\n"
                               "Rang;Forme;Nombre d'attestations\r\n1;le;2\r\n2;chat;1\r\n\r\n"},
                    OutputCase{"dispersion --csv - le --parts 2 <", "le chat", nullptr,
                               "\xEF\xBB\xBFRépartition de « le » dans le texte\r\nPartie;Formes n°;Attestations\r\n"
                               "1;1–1;1\r\n2;2–2;0\r\n\r\n"},
                    // Across the full stop, y (0,21) is under the score asked for.
                    OutputCase{"collocates --csv --across-sentences - p --span 1 --min-count 1 --min-score=0,5 <",
                               "p x p x p. y z y z y z x", nullptr,
                               "\xEF\xBB\xBF"
                               "Cooccurrents de « p »\r\nForme;Cooccurrences;Attestations;Score\r\n"
                               "x;2;3;0,9\r\n\r\n"}));

INSTANTIATE_TEST_SUITE_P(Decoding, Output,
                         testing::Values(OutputCase{"counts --json", "\xC3\xA9t\xC3\xA9 2001", nullptr,
                                                    R"({"alphabetic":3,"numeric":4,"special":1,"total":8,"words":1})"
                                                    "\n"},
                                         OutputCase{"--json --encoding cp1252 counts", "\xC3\xA9t\xC3\xA9", nullptr,
                                                    R"({"alphabetic":3,"numeric":0,"special":2,"total":5,"words":2})"
                                                    "\n"},
                                         OutputCase{"--encoding=utf-8 counts --json", "\xE9t\xE9", nullptr,
                                                    R"({"alphabetic":1,"numeric":0,"special":2,"total":3,"words":1})"
                                                    "\n"}));

// The statistics of the command line, in the order `all` gives them; segments is left out of
// `all`, compare and specificities read two files.
const std::vector<std::string> statisticNames = {
    "counts", "vocabulary",    "lengths",  "letters",   "edges",      "doubles", "pairs",         "frequencies",
    "zipf",   "cooccurrences", "segments", "sentences", "enrichment", "compare", "specificities", "richness"};

bool inAll(const std::string& name)
{
    return name != "segments";
}

bool comparesTwoFiles(const std::string& name)
{
    return name == "compare" || name == "specificities";
}

// A usage error exits with 2 and the usage text, a file that cannot be read with 1 and a
// message naming it; both in French on standard error.
// A result that cannot be written whole, on a full disk, is said in French, with exit code 1.
TEST(Cli, UnwritableResultIsSaid)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no device that is always full";
#endif
    const TemporaryFile file("le chat");
    for (const std::string statistic : {"all --json ", "concordance --csv "}) {
        const CliRun run = runCli(statistic + file.argument() + (statistic[0] == 'c' ? " chat" : ""), "/dev/full");
        EXPECT_EQ(run.exitCode, 1) << statistic;
        EXPECT_EQ(run.err, "quorvelle-cli : le résultat n'a pas pu être écrit en entier : le disque est plein.\n");
    }
}

const std::string documents = QUORVELLE_TEST_DATA "/documents";

TEST(Cli, DocumentsGiveTheVocabularyOfTheirText)
{
    const CliRun plain = runCli("vocabulary --json " + quoted(documents + "/texte.txt"));
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    for (const char* name : {"texte.odt", "texte.docx", "texte.epub", "texte.html", "texte.pdf"}) {
        const CliRun document = runCli("vocabulary --json " + quoted(documents + "/" + name));
        EXPECT_EQ(document.out, plain.out) << name << document.err;
    }
}

// A program without the module beside it nor where it is installed reads texts, and says of a
// document which module it misses.
TEST(Cli, WithoutItsDocumentReadersReadsOnlyTexts)
{
    const fs::path folder = fs::temp_directory_path() / ("quorvelle-alone-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path program = folder / fs::path(QUORVELLE_CLI).filename();
    fs::copy_file(QUORVELLE_CLI, program);

    EXPECT_EQ(runCli("counts " + quoted(documents + "/texte.txt"), {}, {}, program.string()).exitCode, 0);
    const CliRun document = runCli("counts " + quoted(documents + "/texte.odt"), {}, {}, program.string());
    EXPECT_EQ(document.exitCode, 1);
    EXPECT_EQ(document.out, "");
    // The module's installed place, relative to the program.
    const std::string separator(1, fs::path::preferred_separator);
    const std::string module = "(" + folder.parent_path().string() + separator;
    EXPECT_NE(document.err.find("ne peut pas être ouvert : c'est un document, et le module de lecture des documents "
                                + module),
              std::string::npos)
        << document.err;
    EXPECT_TRUE(document.err.ends_with(separator + QUORVELLE_DOCUMENT_READERS_FILE
                                       + ") est introuvable : le programme ne peut lire "
                                         "que des textes. Réinstallez Quorvelle.\n"))
        << document.err;
    fs::remove_all(folder);
}

// The explanations follow the statistic's text, each total's ending on its value.
TEST(Cli, ExplainFollowsTheTextWithHowTotalsAreComputed)
{
    const TemporaryFile file("Le chat voit le chien. Le chien voit le loup. Le loup fuit.");
    const CliRun run = runCli("frequencies --explain " + file.argument());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::size_t explanations =
        run.out.find("\nComment ces nombres sont-ils calculés ?\n\nNombre total de formes\n");
    ASSERT_NE(explanations, std::string::npos) << run.out;
    EXPECT_EQ(run.out.substr(0, explanations), runCli("frequencies " + file.argument()).out);
    // The last total, the mean frequency, 13 / 6, ends the output on its value.
    EXPECT_NE(run.out.find("\n13 / 6 = 2,1666…\n", explanations), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("\u00A0: 2,2\n")) << run.out;

    // The forms around the pivot explain its attestations and their places: the 2 × 2 × 2 = 8
    // places of its two windows of 2, 3 of them lost; the dispersion of a form its two measures,
    // DP last.
    const CliRun collocates = runCli("collocates --explain --span 2 " + file.argument() + " chien");
    EXPECT_EQ(collocates.exitCode, 0) << collocates.err;
    EXPECT_NE(collocates.out.find("2 × 2 × 2 = 8"), std::string::npos) << collocates.out;
    EXPECT_NE(collocates.out.find("8 − 5 = 3"), std::string::npos) << collocates.out;
    EXPECT_TRUE(collocates.out.ends_with("\u00A0: 5\n")) << collocates.out;

    const CliRun dispersion = runCli("dispersion --explain --parts 2 " + file.argument() + " loup");
    EXPECT_EQ(dispersion.exitCode, 0) << dispersion.err;
    EXPECT_NE(dispersion.out.find("\nComment ces nombres sont-ils calculés ?\n\nD de Juilland\n"), std::string::npos)
        << dispersion.out;
    EXPECT_NE(dispersion.out.find("|0 / 2 − 6 / 13| + |2 / 2 − 7 / 13| = 0,923076…"), std::string::npos)
        << dispersion.out;
    EXPECT_TRUE(dispersion.out.ends_with("\u00A0: 0,4615\n")) << dispersion.out;
}

TEST(Cli, MistakesExitWithAFrenchMessage)
{
    const TemporaryFile file("a");
    const std::string text = file.argument();
    const std::string fifo = (fs::temp_directory_path() / ("quorvelle-tube-" + std::to_string(::getpid()))).string();
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
#endif
    const auto unreadable = [](const std::string& path, const std::string& reason) {
        return std::tuple{"counts " + quoted(path), 1, "fichier « " + path + " » ne peut pas être ouvert : " + reason};
    };
    const std::tuple<std::string, int, std::string> cases[] = {
        {"", 2, "indiquez une statistique"},
        {"counts", 2, "indiquez le fichier"},
        {"nimportequoi " + text, 2, "statistique inconnue « nimportequoi »"},
        {"counts " + text + " " + text, 2, "trop de fichiers"},
        {"all " + text + " " + text + " " + text, 2, "trop de fichiers"},
        {"compare --json " + text, 2, "compare deux fichiers"},
        {"counts --csv --json " + text, 2, "choisissez --json ou --csv"},
        {"counts --xml " + text, 2, "option inconnue « --xml »"},
        {"counts --encoding latin1 " + text, 2, "codage inconnu « latin1 »"},
        {"counts " + text + " --encoding", 2, "demande une valeur"},
        {"all --jobs 0 " + text, 2, "l'option --jobs demande un nombre de 1 à 256, et non « 0 »"},
        {"specificities --threshold=-1 " + text + " " + text, 2,
         "l'option --threshold demande un nombre positif ou nul, et non « -1 »"},
        {"segments --min-frequency 1 " + text, 2, "l'option --min-frequency demande un nombre entier de 2 ou plus"},
        {"segments --max-length=1 " + text, 2, "--max-length demande un nombre entier de 2 ou plus, ou 0 pour ne pas"},
        {"segments --min-length 9 " + text, 2, "longueur minimale des segments (9) dépasse leur longueur maximale (8 "},
        {"segments --max-length 3 --min-length 4 " + text, 2, "(4) dépasse leur longueur maximale (3)."},
        {"concordance " + text, 2, "la concordance demande un fichier et une forme"},
        {"concordance " + text + " \"la-mer\"", 2, "« la-mer » n'est pas une forme"},
        {"concordance " + text + " \"  \"", 2, "«    » n'est pas une forme"},
        {"dispersion " + text, 2, "la répartition demande un fichier et une forme : dispersion FICHIER FORME."},
        {"collocates " + text + " \"le chat\"", 2, "autour d'une seule forme, et non de « le chat »."},
        {"dispersion --parts 0 " + text + " a", 2, "l'option --parts demande un nombre de 1 à 100000, et non « 0 »"},
        {"collocates --span=0 " + text + " a", 2, "l'option --span demande un nombre entier de 1 ou plus"},
        {"collocates --min-score deux " + text + " a", 2, "l'option --min-score demande un nombre, et non « deux »"},
        {"concordance --min-count 2 " + text + " a", 2, "l'option --min-count ne s'emploie qu'avec collocates."},
        {"concordance --sort 1D,4D " + text + " a", 2,
         "l'option --sort demande d'une à trois clés séparées par des virgules parmi 3G, 2G, 1G, P, 1D, 2D, 3D "
         "(1D,2D,1G), et non « 1D,4D »."},
        {"concordance --sort 1D,2D,1G,P " + text + " a", 2, "et non « 1D,2D,1G,P »."},
        {"concordance --width 5 --context-forms 2 " + text + " a", 2,
         "choisissez --width ou --context-forms, pas les deux."},
        {"counts --sort 1D " + text, 2, "l'option --sort ne s'emploie qu'avec concordance."},
        {"counts --threshold 3 " + text, 2, "l'option --threshold ne s'emploie qu'avec specificities, all ou corpus."},
        {"corpus", 2, "le corpus demande ses fichiers"},
        {"progression " + text, 2, "la progression demande les fichiers du corpus puis des formes"},
        {"progression " + text + " \"le chat\"", 2, "« le chat » est plusieurs formes"},
        {"corpus --min-frequency 0 " + text, 2, "l'option --min-frequency demande un nombre entier de 1 ou plus"},
        {"corpus " + text, 1, "ce corpus n'a qu'une partie : une partition en demande au moins deux"},
        {"corpus --partition auteur " + text + " " + text, 1,
         "aucune partie du corpus n'a la variable « auteur » : ses lignes étoilées ne donnent aucune variable."},
        {"concordance --explain " + text + " a", 2,
         "l'option --explain ne s'emploie pas avec concordance, qui ne calcule aucun nombre."},
        {"vocabulary --explain --json " + text, 2, "l'option --explain complète la sortie en texte, et non --json"},
        unreadable(fifo + ".absent", "il est introuvable"),
        unreadable("", "il est introuvable"),
        {"compare - - <" + text, 2, "l'entrée standard ne se lit qu'une fois"},
        unreadable(fs::temp_directory_path().string(), "c'est un dossier"),
#ifndef _WIN32
        unreadable(fifo, "ce n'est pas un fichier ordinaire"), // and reading it does not block
#endif
        // A regular file of size 0 whose reading fails with EIO.
        unreadable("/proc/self/mem", "une erreur de lecture est survenue"),
        // A document's message names its format, or the part missing from it.
        unreadable(documents + "/protege.pdf", "ce document PDF est protégé (mot de passe ou verrou numérique)"),
        unreadable(documents + "/manquant.epub",
                   "ce livre EPUB annonce le fichier « OEBPS/Text/chapitre3.xhtml », absent de l'archive."),
    };
    for (const auto& [arguments, exitCode, message] : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        // A usage error is followed by one line that points to the help, not by the help.
        EXPECT_EQ(run.err.ends_with("\nEssayez « quorvelle-cli --help » pour en savoir plus.\n"), exitCode == 2)
            << run.err;
        EXPECT_EQ(run.err.find("Usage :"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    fs::remove(fifo);
}

// The form after the file, compared lower-cased; contexts in UTF-8, line ends as "¶", never
// cut inside a form.
TEST(Cli, ConcordanceOfAForm)
{
    const TemporaryFile file("Le chat.\r\nle");
    const CliRun run = runCli("concordance --width 3 --json " + file.argument() + " LE");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              R"({"form":"le","text":"le","count":2,"occurrences":[{"line":1,"left":"","form":"Le","right":" "},)"
              R"({"line":2,"left":".¶","form":"le","right":""}]})"
              "\n");
    EXPECT_EQ(runCli("concordance --width 3 --csv " + file.argument() + " LE").out,
              "\xEF\xBB\xBF"
              "Concordance de « le »\r\nLigne;Contexte gauche;Forme;Contexte droit\r\n"
              "1;;Le; \r\n2;.¶;le;\r\n\r\n");
    // The heading's count agrees with its number, singular up to 1.
    const std::pair<const char*, const char*> headings[] = {{"LE", "Concordance de « le » : 2 occurrences\n\n"},
                                                            {"chat", "Concordance de « chat » : 1 occurrence\n\n"},
                                                            {"chien", "Concordance de « chien » : 0 occurrence\n\n"}};
    for (const auto& [form, heading] : headings)
        EXPECT_EQ(runCli("concordance --width 3 " + file.argument() + " " + form).out.rfind(heading, 0), 0u) << form;
}

// Sorted by the form before, then the form after, each context one form wide; the text's
// alignment follows the widest left context.
TEST(Cli, ConcordanceSortedWithContextsInForms)
{
    const TemporaryFile file("Le chat noir.\nUn chat mange.\nLe chat dort.");
    const CliRun run = runCli("concordance --json --context-forms 1 --sort 1G,1D " + file.argument() + " chat");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto occurrences = nlohmann::json::parse(run.out)["occurrences"];
    ASSERT_EQ(occurrences.size(), 3u);
    EXPECT_EQ(occurrences[0], nlohmann::json::parse(R"({"line":3,"left":"Le ","form":"chat","right":" dort"})"));
    EXPECT_EQ(occurrences[1]["line"], 1);
    EXPECT_EQ(occurrences[2]["line"], 2);
    EXPECT_NE(runCli("concordance --context-forms 2 " + file.argument() + " chat")
                  .out.find("      1         Le   chat   noir.¶Un\n      2   noir.¶Un   chat   mange.¶Le\n"),
              std::string::npos);
}

// Forms separated by blanks are found where they follow each other, whatever separates them;
// the title shows them as their first occurrence writes them.
TEST(Cli, ConcordanceOfConsecutiveForms)
{
    const TemporaryFile file("Qu'il chante.\r\nqu il chante, qu'\r\nil");
    const std::string expected[][2] = {{"--json", R"({"form":"qu il","text":"qu'il","count":3,"occurrences":[)"},
                                       {"--csv", "Concordance de « qu'il »\r\n"},
                                       {"", "« qu'il » : 3 occurrences"}};
    for (const char* query : {"\"qu  IL\"", "\"qu\til\""})
        for (const auto& [format, start] : expected) {
            const CliRun run = runCli("concordance --width 3 " + format + " " + file.argument() + " " + query);
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_NE(run.out.find(start), std::string::npos) << run.out;
        }
}

// Each lemma with its forms, « est » read as être after a pronoun and as a noun after a
// determiner; without the dictionary, a French message names its package.
TEST(Cli, LemmasOfAText)
{
    const TemporaryFile file(
        "Nous mangeons, il mangeait, il a mangé. Les chevaux, le cheval, de belles fleurs, un beau "
        "jour. L'été aujourd'hui, il est là, l'est du pays.");
    const CliRun run = runCli("lemmas --json " + file.argument());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);
    std::map<std::string, nlohmann::json> lemmas;
    for (const auto& lemma : report["lemmas"])
        lemmas[lemma["lemma"].get<std::string>() + " " + lemma["category"].get<std::string>()] = lemma;
    EXPECT_EQ(lemmas["manger verbe"]["forms"].size(), 3u);
    EXPECT_EQ(lemmas["cheval nom"]["forms"], nlohmann::json::parse(R"([["cheval",1],["chevaux",1]])"));
    EXPECT_EQ(lemmas["beau adjectif"]["forms"].size(), 2u);
    EXPECT_EQ(lemmas["été nom"]["count"], 1);
    EXPECT_EQ(lemmas["aujourd'hui adverbe"]["forms"], nlohmann::json::parse(R"([["aujourd'hui",1]])"));
    EXPECT_EQ(lemmas["être verbe"]["count"], 1);
    EXPECT_EQ(lemmas["est nom"]["alternatives"], nlohmann::json::parse(R"([["être","verbe"]])"));
    EXPECT_EQ(lemmas["le déterminant"]["count"], 4);
    EXPECT_EQ(report["categories"].size(), 13u);
    EXPECT_EQ(report["unknown"], nlohmann::json::array());
    // By attestations, then in alphabetical order.
    EXPECT_EQ(report["lemmas"][0]["lemma"], "le");
    EXPECT_EQ(report["lemmas"][1]["lemma"], "il");
    const std::string csv = runCli("lemmas --csv " + file.argument()).out;
    EXPECT_NE(csv.find("Lemmes et catégories\r\nLemme;Catégorie;Attestations;Formes;Ambiguës;Autres lectures\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\nProfil des catégories\r\n"), std::string::npos);

    // A lemma's occurrences in context, and the forms around them, whatever their form.
    const CliRun concordance = runCli("concordance --lemma manger --json " + file.argument());
    EXPECT_EQ(nlohmann::json::parse(concordance.out)["count"], 3);
    EXPECT_EQ(nlohmann::json::parse(concordance.out)["lemma"], "manger");
    EXPECT_TRUE(runCli("concordance --lemma être " + file.argument())
                    .out.starts_with("Concordance du lemme « être » : 1 occurrence"));
    EXPECT_EQ(
        nlohmann::json::parse(runCli("collocates --lemma manger --json " + file.argument()).out)["pivotAttestations"],
        3);
    EXPECT_EQ(runCli("concordance --lemma manger " + file.argument() + " mange").exitCode, 2);
    // The specificities of the lemmas: manger once in place of its three forms.
    const TemporaryFile other("Il boit. Ils boivent, tu bois, il a bu.");
    const auto lemmaSpecificities = nlohmann::json::parse(
        runCli("specificities --unit lemmas --json " + file.argument() + " " + other.argument()).out);
    EXPECT_EQ(lemmaSpecificities["unit"], "lemmas");
    const auto& units = lemmaSpecificities["forms"];
    const auto manger =
        std::ranges::find(units, nlohmann::json("manger"), [](const auto& unit) { return unit["form"]; });
    ASSERT_NE(manger, units.end());
    EXPECT_EQ((*manger)["f1"], 3);
    EXPECT_EQ((*manger)["f2"], 0);
    EXPECT_EQ(runCli("specificities --unit mots " + file.argument() + " " + other.argument()).exitCode, 2);
    // The corpus of the two texts as parts, and a lemma's progression through them.
    const auto corpus =
        nlohmann::json::parse(runCli("corpus --unit lemmas --json " + file.argument() + " " + other.argument()).out);
    EXPECT_EQ(corpus["unit"], "lemmas");
    EXPECT_EQ(corpus["parts"][1]["distinct"], 4); // il, boire, tu, avoir
    const CliRun boire = runCli("progression --unit lemmas " + file.argument() + " " + other.argument() + " boire");
    EXPECT_NE(boire.out.find("Unité : lemmes"), std::string::npos) << boire.out;
    EXPECT_NE(boire.out.find("« boire » : 4 attestations dans le corpus"), std::string::npos) << boire.out;

    const CliRun missing =
        runCli("lemmas " + file.argument() + " --json", {}, withVariable("QUORVELLE_DICTIONARY_DIR", "/nowhere"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(
        missing.err,
        "quorvelle-cli : le dictionnaire français est introuvable (" + (fs::path("/nowhere") / "fr.aff").string()
            + ") : installez le paquet hunspell-fr-comprehensive pour les lemmes et les catégories. Toutes les autres "
              "statistiques restent disponibles.\n");
}

// Wildcards in the form, or a regular expression in its place: every form that answers, listed
// with its attestations before the occurrences; a malformed pattern is refused in French.
TEST(Cli, ConcordanceOfPatterns)
{
    const TemporaryFile file("Citoyens, le citoyen et la citoyenne. De la terre de Paris, de l'eau. Le chat, les "
                             "chats, concitoyens.");
    const auto json = [&file](const std::string& query) {
        const CliRun run = runCli("concordance --json " + file.argument() + " " + query);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return nlohmann::json::parse(run.out);
    };
    const auto citizens = json(quoted("citoy*"));
    EXPECT_EQ(citizens["count"], 3);
    EXPECT_EQ(citizens["query"], "citoy*");
    EXPECT_EQ(citizens["matches"], nlohmann::json::parse(R"([["citoyen",1],["citoyenne",1],["citoyens",1]])"));
    EXPECT_EQ(json(quoted("de *"))["count"], 3); // de la, de Paris, de l
    EXPECT_EQ(json("--regex " + quoted("^(le|la|les)$"))["matches"],
              nlohmann::json::parse(R"([["la",2],["le",2],["les",1]])"));
    EXPECT_EQ(json("citoyem")["closest"], nlohmann::json::parse(R"(["citoyen","citoyens"])"));
    EXPECT_NE(runCli("concordance " + file.argument() + " " + quoted("citoy*"))
                  .out.find("Formes trouvées : citoyen (1), citoyenne (1)"),
              std::string::npos);

    const CliRun unclosed = runCli("concordance " + file.argument() + " " + quoted("cit[oy"));
    EXPECT_EQ(unclosed.exitCode, 2);
    EXPECT_NE(unclosed.err.find("« cit[oy » : le crochet « [ » n'est pas fermé."), std::string::npos) << unclosed.err;
    EXPECT_EQ(runCli("concordance --regex " + quoted("(le") + " " + file.argument()).exitCode, 2);
    EXPECT_EQ(runCli("concordance --regex le " + file.argument() + " le").exitCode, 2);
    // The collocates around every form a pattern matches, one pattern only.
    const CliRun around = runCli("collocates --json " + file.argument() + " " + quoted("citoy*"));
    EXPECT_EQ(nlohmann::json::parse(around.out)["pivotAttestations"], 3) << around.err;
    EXPECT_EQ(runCli("collocates " + file.argument() + " " + quoted("de *")).exitCode, 2);
    const CliRun spread = runCli("dispersion --json --parts 2 " + file.argument() + " " + quoted("citoy*"));
    EXPECT_EQ(nlohmann::json::parse(spread.out)["attestations"], 3) << spread.err;
    EXPECT_EQ(nlohmann::json::parse(spread.out)["form"], "citoy*");
    const TemporaryFile endless(std::string(40, 'a'));
    const CliRun backtracking = runCli("concordance --regex " + quoted("(a+)+b") + " " + endless.argument());
    EXPECT_EQ(backtracking.exitCode, 2);
    EXPECT_NE(backtracking.err.find("demande trop de calcul"), std::string::npos) << backtracking.err;
}

// --stoplist leaves the program's function words, or a file's forms, out of the lists that take it.
TEST(Cli, StoplistLeavesFunctionWordsOut)
{
    const TemporaryFile file("Le chat de la mer dort. Le chat de la mer rêve. Il dort.");
    const auto forms = [](const std::string& json) {
        std::vector<std::string> listed;
        const nlohmann::json report = nlohmann::json::parse(json);
        for (const auto& row : report["alphabetical"])
            listed.push_back(row[0]);
        return listed;
    };
    const CliRun french = runCli("vocabulary --json " + file.argument() + " --stoplist fr");
    EXPECT_EQ(french.exitCode, 0) << french.err;
    EXPECT_EQ(forms(french.out), (std::vector<std::string>{"chat", "dort", "mer", "rêve"}));
    EXPECT_EQ(nlohmann::json::parse(french.out)["distinctCount"], 8); // the text's totals stay

    const TemporaryFile ownList("# les miennes\nCHAT\nmer\n");
    const CliRun own = runCli("collocates --json " + file.argument() + " dort --stoplist " + ownList.argument());
    const nlohmann::json collocates = nlohmann::json::parse(own.out)["collocates"];
    ASSERT_FALSE(collocates.empty()) << own.err;
    for (const auto& collocate : collocates)
        EXPECT_TRUE(collocate["form"] != "chat" && collocate["form"] != "mer") << collocate;
    const CliRun segments = runCli("segments --json " + file.argument() + " --stoplist fr");
    EXPECT_EQ(segments.out.find("\"de la\""), std::string::npos);
    EXPECT_NE(segments.out.find("\"de la mer\""), std::string::npos);

    EXPECT_EQ(runCli("counts " + file.argument() + " --stoplist fr").exitCode, 2);
    const CliRun missing = runCli("vocabulary " + file.argument() + " --stoplist absente.txt");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("absente.txt"), std::string::npos) << missing.err;
}

// Files as parts, and one file cut by its marker lines, make the same corpus.
TEST(Cli, CorpusOfFilesOrOfMarkedParts)
{
    const TemporaryFile first("a a b d");
    const TemporaryFile second("b c d");
    const TemporaryFile marked("**** *n_1 *auteur_x\r\na a b d\r\n**** *n_2\r\nb c d\r\n**** *auteur_x mot\r\n");
    const CliRun files = runCli("corpus --json --min-frequency 2 " + first.argument() + " " + second.argument());
    const CliRun parts = runCli("corpus --json --min-frequency 2 " + marked.argument());
    EXPECT_EQ(files.exitCode, 0);
    EXPECT_EQ(files.err, "");
    // The marker line without forms after it and its stray word are said, and the part left out.
    EXPECT_EQ(parts.err,
              "quorvelle-cli : remarque : ligne 5 : « mot » ne commence pas par une étoile ; une ligne "
              "étoilée n'est pas du texte : ce mot n'est pas compté.\n"
              "quorvelle-cli : remarque : ligne 5 : la partie « auteur_x » n'a aucune forme ; elle est "
              "laissée de côté (son texte reste dans le corpus).\n");
    nlohmann::json byFile = nlohmann::json::parse(files.out);
    nlohmann::json byMarker = nlohmann::json::parse(parts.out);
    EXPECT_EQ(byMarker["parts"][0],
              nlohmann::json::parse(R"({"name":"n_1 auteur_x","forms":4,"distinct":3,"hapax":2})"));
    // Every form of the corpus in every part, f = 0 included, by specificity decreasing.
    EXPECT_EQ(byMarker["specificities"][1]["forms"].size(), 4U);
    EXPECT_EQ(byMarker["specificities"][1]["forms"][3]["form"], "a");
    EXPECT_EQ(byMarker["specificities"][1]["forms"][3]["f"], 0);
    // a, b and d in two parts: one factor.
    EXPECT_EQ(byMarker["ca"]["eigenvalues"].size(), 1U);
    EXPECT_EQ(byMarker["ca"]["forms"].size(), 3U);
    for (nlohmann::json* corpus : {&byFile, &byMarker}) {
        for (nlohmann::json& part : (*corpus)["parts"])
            part.erase("name");
        for (nlohmann::json& part : (*corpus)["specificities"])
            part.erase("part");
        for (nlohmann::json& part : (*corpus)["ca"]["parts"])
            part.erase("name");
    }
    EXPECT_EQ(byFile, byMarker);

    const CliRun grouped = runCli("progression --partition auteur " + marked.argument() + " A c");
    EXPECT_NE(grouped.out.find("« a » : 2 attestations dans le corpus\nForme\tPartie\tAttestations\tFormes de la "
                               "partie\tFréquence (pour 10 000)\tSpécificité\na\tx\t2\t4\t5000\t"),
              std::string::npos)
        << grouped.out;
    EXPECT_NE(grouped.out.find("\nc\t(sans valeur)\t1\t3\t3333,33\t"), std::string::npos) << grouped.out;
}

// "-" reads standard input; --version names the program and its version.
TEST(Cli, StandardInputAndVersion)
{
    const TemporaryFile file("le chat");
    EXPECT_EQ(runCli("vocabulary --json - <" + file.argument()).out,
              runCli("vocabulary --json " + file.argument()).out);
    const CliRun version = runCli("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("quorvelle-cli 2.", 0), 0u) << version.out;
}

TEST(Cli, HelpGoesToStandardOutputAndListsEveryStatistic)
{
    for (const char* arguments : {"--help", "-h", "counts --help"}) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments;
        EXPECT_EQ(run.out.rfind("Usage : quorvelle-cli", 0), 0u) << arguments;
        for (const std::string& name : statisticNames)
            EXPECT_NE(run.out.find("  " + name + " "), std::string::npos) << name;
        EXPECT_NE(run.out.find("  all "), std::string::npos);
    }
}

// The words of a text that match pattern (its first group when it has one), each once.
std::set<std::string> matches(const std::string& text, const std::regex& pattern)
{
    std::set<std::string> found;
    for (std::sregex_iterator match(text.begin(), text.end(), pattern), end; match != end; ++match)
        found.insert((*match)[match->size() > 1 ? 1 : 0].str());
    return found;
}

// The manual's command-line section lists the commands, statistics and options that
// `--help` lists, and no other.
// The manual lists the program's function words as --stoplist fr leaves them out, kind by kind.
TEST(Cli, ManualListsTheFunctionWords)
{
    std::ostringstream page;
    page << std::ifstream(QUORVELLE_HELP "/chercher.html").rdbuf();
    std::size_t forms = 0;
    for (const FunctionWordKind& kind : frenchFunctionWordKinds()) {
        EXPECT_NE(page.str().find("<h3>" + std::string(kind.name) + "</h3>\n<p class=\"mots-outils\">"
                                  + cp1252ToUtf8(kind.forms) + "</p>"),
                  std::string::npos)
            << kind.name;
        forms += FunctionWords::fromText(kind.forms).size();
    }
    EXPECT_NE(page.str().find("Elle compte " + std::to_string(forms) + " formes"), std::string::npos);
}

TEST(Cli, ManualListsWhatHelpLists)
{
    std::ostringstream page;
    page << std::ifstream(QUORVELLE_HELP "/demarrer.html").rdbuf();
    const std::string manual = page.str().substr(page.str().find("name=\"cli\""));
    const std::string help = runCli("--help").out;

    const std::regex usageLine("quorvelle-cli [a-zA-Z]+ FICHIER[^\n]*");
    for (const std::string& line : matches(help, usageLine))
        EXPECT_NE(manual.find(line), std::string::npos) << line;
    const std::regex option("(--[a-z][a-z-]*)");
    EXPECT_EQ(matches(manual, option), matches(help, option));
    std::set<std::string> statistics = matches(help, std::regex("\n  ([a-z]+) "));
    statistics.insert({"concordance", "dispersion", "collocates", "corpus", "progression"});
    EXPECT_EQ(matches(manual, std::regex("<td><code>([a-z]+)</code></td>")), statistics);
}

// `all` is each statistic in turn, the repeated segments aside: in French text after a
// heading, in JSON as the members of one object, in CSV as its tables after one byte-order
// mark; the comparison only when a second file is given; the same however many are computed
// at once.
TEST(Cli, AllIsEachStatisticInTurn)
{
    const TemporaryFile file1("le chat et le chien.");
    const TemporaryFile file2("le chien, le loup.");
    for (const std::string& files : {file1.argument(), file1.argument() + " " + file2.argument()}) {
        std::string text;
        std::string json;
        for (const std::string& name : statisticNames) {
            if (!inAll(name) || (comparesTwoFiles(name) && files == file1.argument()))
                continue;
            const std::string arguments = " " + (comparesTwoFiles(name) ? files : file1.argument());
            text += (text.empty() ? "== " : "\n== ") + name + " ==\n" + runCli(name + arguments).out;
            const std::string member = runCli(name + " --json" + arguments).out;
            json += (json.empty() ? "{\"" : ",\"") + name + "\":" + member.substr(0, member.size() - 1);
        }
        for (const std::string jobs : {"--jobs 1 ", "--jobs=4 "}) {
            const CliRun asText = runCli("all " + jobs + files);
            EXPECT_EQ(asText.out, text) << jobs << files << ": exit " << asText.exitCode << ", " << asText.err;
            const CliRun asJson = runCli("all --json " + jobs + files);
            EXPECT_EQ(asJson.out, json + "}\n") << jobs << files << ": exit " << asJson.exitCode << ", " << asJson.err;
        }
    }
    std::string tables = "\xEF\xBB\xBF";
    for (const std::string& name : statisticNames)
        if (inAll(name) && !comparesTwoFiles(name))
            tables += runCli(name + " --csv " + file1.argument()).out.substr(3);
    for (const std::string jobs : {"--jobs 1 ", "--jobs 3 "})
        EXPECT_EQ(runCli("all --csv " + jobs + file1.argument()).out, tables) << jobs;
}

// Under --extended-letters, œ and its partners are letters for every command, which says so
// at the head of its result; without it nothing is said (the other tests pin that output).
TEST(Cli, ExtendedLettersHoldForEveryCommandAndAreSaid)
{
    const TemporaryFile file("Le c\x9Cur de ma s\x9Cur. Son C\x8CUR bat, mon c\x9Cur.");
    std::vector<std::string> commands;
    for (const std::string& name : statisticNames)
        commands.push_back(name + " " + file.argument() + (comparesTwoFiles(name) ? " " + file.argument() : ""));
    for (const std::string formCommand : {"concordance", "dispersion", "collocates"})
        commands.push_back(formCommand + " " + file.argument() + " cœur");
    commands.push_back("all " + file.argument());
    const std::string note = "(œ, Œ, Ÿ, Š, Ž comptés comme des lettres)";
    for (const std::string& command : commands) {
        const CliRun json = runCli(command + " --extended-letters --json");
        ASSERT_EQ(json.exitCode, 0) << command << ": " << json.err;
        const auto report = nlohmann::ordered_json::parse(json.out);
        EXPECT_EQ(report.begin().key(), "letterRule") << command;
        EXPECT_EQ(report["letterRule"], "extended") << command;
        EXPECT_EQ(json.out.find("[\"ur\","), std::string::npos) << command << " splits cœur";
        const std::string classicCommand = std::regex_replace(command, std::regex(" cœur$"), " bat");
        EXPECT_FALSE(nlohmann::json::parse(runCli(classicCommand + " --json").out).contains("letterRule")) << command;
        EXPECT_TRUE(runCli(command + " --extended-letters").out.starts_with(note + "\n\n")) << command;
        EXPECT_TRUE(runCli(command + " --extended-letters --csv").out.starts_with("\xEF\xBB\xBF" + note + "\r\n\r\n"))
            << command;
    }
    const auto vocabulary =
        nlohmann::json::parse(runCli("vocabulary --extended-letters --json " + file.argument()).out);
    EXPECT_EQ(vocabulary["byFrequency"][0], nlohmann::json::array({"cœur", 3}));

    const CliRun classic = runCli("concordance " + file.argument() + " cœur");
    EXPECT_EQ(classic.exitCode, 2);
    EXPECT_NE(classic.err.find("œ, Œ, Ÿ, Š et Ž ne sont des lettres qu'avec --extended-letters."), std::string::npos)
        << classic.err;
}

} // namespace
} // namespace quorvelle::test
