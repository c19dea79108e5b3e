// quorvelle-cli end to end: output, exit codes and French messages.
#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace quorvelle::test {
namespace {

namespace fs = std::filesystem;

class Cli : public testing::Test {
protected:
    void SetUp() override
    {
        directory_ = fs::temp_directory_path() / ("quorvelle-cli-test-" + std::to_string(::getpid()));
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::string file(const std::string& name, const std::string& bytes)
    {
        const fs::path path = directory_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return quoted(path.string());
    }

    fs::path directory_;
};

TEST_F(Cli, CountsJsonExample)
{
    const CliRun run = runCli("counts --json " + file("ete.txt", "\xC9t\xE9 2001 !\r\n"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"alphabetic\":3,\"numeric\":4,\"special\":5,\"total\":12,\"words\":1}\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(Cli, VocabularyJsonExample)
{
    const CliRun run = runCli("vocabulary " + file("chat.txt", "Le chat, le Chien.") + " --json");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"tokenCount\":4,\"distinctCount\":3,\"meanFrequency\":1.3,"
                       "\"alphabetical\":[[\"chat\",1],[\"chien\",1],[\"le\",2]],"
                       "\"byFrequency\":[[\"le\",2],[\"chat\",1],[\"chien\",1]]}\n");
}

TEST_F(Cli, JsonFormsAreUtf8AndAnUndefinedMeanIsNull)
{
    EXPECT_EQ(runCli("vocabulary --json " + file("ete.txt", "\xC9T\xC9 \x9C" "uf")).out,
              "{\"tokenCount\":2,\"distinctCount\":2,\"meanFrequency\":1,"
              "\"alphabetical\":[[\"été\",1],[\"uf\",1]],\"byFrequency\":[[\"été\",1],[\"uf\",1]]}\n");
    EXPECT_EQ(runCli("vocabulary --json " + file("digits.txt", "2001")).out,
              "{\"tokenCount\":0,\"distinctCount\":0,\"meanFrequency\":null,\"alphabetical\":[],\"byFrequency\":[]}\n");
}

TEST_F(Cli, FrenchTextOutput)
{
    const CliRun vocabulary = runCli("vocabulary " + file("chat.txt", "Le chat, le Chien."));
    EXPECT_EQ(vocabulary.exitCode, 0);
    EXPECT_NE(vocabulary.out.find("Nombre total de formes de l'extrait : 4\n"), std::string::npos);
    EXPECT_NE(vocabulary.out.find("Fréquence moyenne d'attestation : 1,3\n"), std::string::npos);
    EXPECT_NE(vocabulary.out.find("Formes\tNombre d'attestations\nle\t2\nchat\t1\nchien\t1\n"), std::string::npos);

    const CliRun counts = runCli("counts " + file("ete.txt", "\xC9t\xE9 2001 !\r\n"));
    EXPECT_NE(counts.out.find("          3 Caractère(s) alphabetique\n"), std::string::npos);
    EXPECT_NE(counts.out.find("Total:  12 Caractère(s)\n"), std::string::npos);
    EXPECT_NE(counts.out.find("Le texte contient 1 mot(s)\n"), std::string::npos);
}

TEST_F(Cli, AllGathersEveryStatistic)
{
    const CliRun run = runCli("all --json " + file("chat.txt", "Le chat, le Chien."));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("{\"counts\":{\"alphabetic\":", 0), 0u);
    EXPECT_NE(run.out.find(",\"vocabulary\":{\"tokenCount\":4,"), std::string::npos);
    EXPECT_EQ(runCli("all " + file("a.txt", "a")).exitCode, 0);
}

TEST_F(Cli, EncodingOption)
{
    const std::string utf8 = file("utf8.txt", "\xC3\xA9t\xC3\xA9");
    EXPECT_NE(runCli("vocabulary --json " + utf8).out.find("[[\"été\",1]]"), std::string::npos);
    EXPECT_NE(runCli("vocabulary --json --encoding cp1252 " + utf8).out.find("[[\"ã\",1],[\"tã\",1]]"), std::string::npos);
    EXPECT_NE(runCli("vocabulary --json --encoding=utf-8 " + utf8).out.find("[[\"été\",1]]"), std::string::npos);
}

// Every statistic is a function of the decoded text, so one run of all of them checks
// that a UTF-8 file and its code page 1252 original read the same, end to end.
TEST_F(Cli, Utf8CopiesGiveIdenticalStatistics)
{
    const std::string corpus = QUORVELLE_TEST_DATA "/corpus/";
    for (const char* name : {"r02_maupassant_une_vie", "r05_france_dieux_ont_soif"}) {
        const CliRun original = runCli("all --json " + quoted(corpus + name + ".txt"));
        const CliRun copy = runCli("all --json " + quoted(corpus + name + ".utf8.txt"));
        EXPECT_EQ(original.exitCode, 0);
        EXPECT_GT(original.out.size(), 1000u);
        EXPECT_EQ(copy.out, original.out) << name;
    }
}

TEST_F(Cli, SampleTextRuns)
{
    const CliRun run = runCli("all " + quoted(QUORVELLE_SAMPLES "/exemple.txt"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("Liste du vocabulaire"), std::string::npos);
}

struct FileFailure {
    const char* name;
    const char* expectedInMessage;
};

TEST_F(Cli, UnreadableFilesExitWithOneAndAFrenchMessage)
{
    const fs::path fifo = directory_ / "tube";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {quoted((directory_ / "absent.txt").string()), "est introuvable"},
        {quoted(directory_.string()), "est un dossier"},
        {quoted(fifo.string()), "n'est pas un fichier ordinaire"},
        {"/dev/null", "n'est pas un fichier ordinaire"},
    };
    for (const auto& [path, message] : cases) {
        const CliRun run = runCli("counts " + path);
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("« "), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    const std::string text = file("a.txt", "a");
    const std::pair<std::string, std::string> cases[] = {
        {"", "indiquez une statistique"},
        {"counts", "indiquez le fichier"},
        {"nimportequoi " + text, "statistique inconnue « nimportequoi »"},
        {"counts " + text + " " + text, "trop de fichiers"},
        {"all " + text + " " + text + " " + text, "trop de fichiers"},
        {"counts --xml " + text, "option inconnue « --xml »"},
        {"counts --encoding latin1 " + text, "codage inconnu « latin1 »"},
        {"counts " + text + " --encoding", "demande une valeur"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Usage : quorvelle-cli"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(Cli, HelpGoesToStandardOutput)
{
    const CliRun run = runCli("--help");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage : quorvelle-cli", 0), 0u);
    EXPECT_NE(run.out.find("vocabulary"), std::string::npos);
}

} // namespace
} // namespace quorvelle::test
