// gearpair-cli --explore: the table, the JSON rows against single runs of their inputs, and the
// options that do not go with the search.
#include "cli/explore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

#include "cli/command.h"

#if __has_include(<nlohmann/json.hpp>)
#include <nlohmann/json.hpp>
#define GEARPAIR_TEST_JSON 1
#endif

namespace gearpair {
namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

Outcome RunCli(const std::vector<std::string_view>& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.code = RunCommand(arguments, in, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

TEST(Explore, TableHasARowPerCombinationWithTheBatchsNumberForms) {
    const Outcome run = RunCli({"--explore", "--hardness-list", "207; 250"});
    EXPECT_EQ(run.code, kExitCompleted);
    std::vector<std::string> rows;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 1u + 7 * 13 * 2);
    EXPECT_EQ(rows[0],
              "ratio;power;speed;hardness;life;width;helix;arrangement;status;aw;mn;z1;z2;bw;bkol;"
              "contact_margin;bending_margin;ea;v;mass_wheel;mass_pinion;mass_total;pareto;"
              "message;input_bearing;output_bearing;bearing_life;input_end;output_end;shafts");
    // The form's defaults: the single run's dialog texts, its margins as the text output
    // prints them (15,2 % and 21,1 %), the figures as the report prints them.
    const std::string defaults = rows[1 + (4 * 13 + 6) * 2 + 1];
    EXPECT_TRUE(
        defaults.starts_with("2,8;6000;86,3;250;15000;0,5;14;3;ok;200;3,00;34;95;110,000;"
                             "100,000;15,2;21,1;1,"))
        << defaults;
    // Its shafts as the batch writes them.
    EXPECT_TRUE(defaults.ends_with(";;311;316;50888,1;53,000;75,000;ok")) << defaults;
}

TEST(Explore, OptionsTheSearchVariesOrFilesAreUsageErrors) {
    const Outcome width = RunCli({"--explore", "--width", "0,5"});
    EXPECT_EQ(width.code, kExitUsage);
    EXPECT_TRUE(width.err.starts_with("Параметр --width не сочетается с --explore")) << width.err;
    const Outcome list = RunCli({"--hardness-list", "250"});
    EXPECT_EQ(list.err, "Параметр --hardness-list действует только с --explore\n");
    const Outcome hardness = RunCli({"--explore", "--hardness-list", "250;700"});
    EXPECT_EQ(hardness.code, kExitUsage);
    EXPECT_EQ(hardness.err, "--hardness-list: «700»: Значение может быть от 207 до 652\n");
    EXPECT_EQ(hardness.out, "");
}

#ifdef GEARPAIR_TEST_JSON
// Twenty rows drawn at random (a fixed seed), each re-run as a single design with its inputs:
// the same status and message, the design values to the last bit, the margins as the single
// run's text output prints them.
TEST(Explore, JsonRowsAreReproducedBySingleRunsOfTheirInputs) {
    const std::vector<std::string_view> fixed = {"--ratio",       "3,15", "--power", "12000",
                                                 "--speed",       "300",  "--life",  "20000",
                                                 "--arrangement", "1"};
    std::vector<std::string_view> arguments = {"--explore", "--json"};
    arguments.insert(arguments.end(), fixed.begin(), fixed.end());
    const Outcome run = RunCli(arguments);
    const nlohmann::json all = nlohmann::json::parse(run.out);
    EXPECT_EQ(all["inputs"], nlohmann::json::parse(R"({"ratio": "3,15", "power": "12000",
        "speed": "300", "life": "20000", "arrangement": "1"})"));
    const nlohmann::json& variants = all["variants"];
    ASSERT_EQ(variants.size(), 7u * 13 * 14);

    std::mt19937 random(26);
    std::set<std::string> statuses;
    for (int k = 0; k < 20; ++k) {
        const nlohmann::json& row = variants[random() % variants.size()];
        const std::string width = row["width"];
        const std::string helix = row["helix"];
        const std::string hardness = row["hardness"];
        std::vector<std::string_view> single = {"--json", "--width",    width,   "--helix",
                                                helix,    "--hardness", hardness};
        single.insert(single.end(), fixed.begin(), fixed.end());
        const nlohmann::json job = nlohmann::json::parse(RunCli(single).out);
        const std::string where = width + " " + helix + " " + hardness;
        statuses.insert(row["status"]);
        EXPECT_EQ(row["status"], job["status"]) << where;
        EXPECT_EQ(row["message"], job["message"]) << where;
        if (row["status"] != "ok") continue;
        for (const char* key : {"aw", "mn", "z1", "z2", "bw", "bkol", "ea", "v"}) {
            EXPECT_EQ(row[key], job["design"][key]) << where << " " << key;
        }
        const nlohmann::json& checks = job["checks"];
        EXPECT_EQ(row["contact_margin"],
                  MarginPercentText(checks["contact"]["margin"].get<double>()));
        EXPECT_EQ(row["bending_margin"],
                  MarginPercentText(checks["bending"]["margin"].get<double>()));
        EXPECT_EQ(row["masses"], job["masses"]) << where;
        // The shafts of the single run: its bearings, the smallest of its four lives, the
        // first steps (the shaft ends) and its status; none when no bearing fits a shaft end.
        const nlohmann::json& shafts = job["shafts"];
        if (shafts.is_null()) {
            EXPECT_EQ(row["shafts"], "no bearing") << where;
            EXPECT_TRUE(row["input_bearing"].is_null()) << where;
            continue;
        }
        EXPECT_EQ(row["shafts"], shafts["status"]) << where;
        double life = shafts["input"]["bearings"][0]["L10h"];
        for (const char* shaft : {"input", "output"}) {
            EXPECT_EQ(row[std::string(shaft) + "_bearing"],
                      shafts[shaft]["bearings"][0]["designation"])
                << where;
            EXPECT_EQ(row[std::string(shaft) + "_end"], shafts[shaft]["steps"][0]["d"]) << where;
            for (const nlohmann::json& bearing : shafts[shaft]["bearings"]) {
                life = std::min(life, bearing["L10h"].get<double>());
            }
        }
        EXPECT_EQ(row["bearing_life"].get<double>(), life) << where;
    }
    EXPECT_EQ(statuses, (std::set<std::string>{"ok", "stopped"}));
}

// Light designs whose pinion roots lie inside the shaft the torque needs: the search says so,
// keeps them out of the Pareto set, and the single run agrees with exit code 3.
TEST(Explore, PairsThatCannotBeBuiltAreNeverRecommended) {
    const std::vector<std::string_view> fixed = {"--ratio", "4",   "--power",       "6000",
                                                 "--speed", "100", "--arrangement", "3"};
    std::vector<std::string_view> arguments = {"--explore", "--json"};
    arguments.insert(arguments.end(), fixed.begin(), fixed.end());
    const nlohmann::json all = nlohmann::json::parse(RunCli(arguments).out);
    int unbuildable = 0;
    for (const nlohmann::json& row : all["variants"]) {
        if (row["status"] != "unbuildable") continue;
        ++unbuildable;
        EXPECT_FALSE(row["pareto"].get<bool>()) << row;
        EXPECT_TRUE(row["shafts"].is_null()) << row;  // no shafts for a pair not made
        if (row["width"] != "0,45" || row["helix"] != "18" || row["hardness"] != "650") continue;
        std::vector<std::string_view> single = {"--json", "--width",    "0,45", "--helix",
                                                "18",     "--hardness", "650"};
        single.insert(single.end(), fixed.begin(), fixed.end());
        const Outcome run = RunCli(single);
        EXPECT_EQ(run.code, kExitUnbuildable);
        const nlohmann::json job = nlohmann::json::parse(run.out);
        EXPECT_EQ(job["status"], "unbuildable");
        EXPECT_EQ(row["message"], job["message"]);
        EXPECT_EQ(row["masses"], job["masses"]);
        EXPECT_TRUE(job["message"].get<std::string>().starts_with("Передача неосуществима: "));
    }
    EXPECT_GT(unbuildable, 0);
}
#endif

}  // namespace
}  // namespace gearpair
