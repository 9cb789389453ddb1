// An assistant of 50 pages of 20 controls (every kind in turn, with options, actions,
// sub-ranges and defaults) run unattended: reading the file, and the run itself (every page
// built in a ControlPort, answered and read back with its actions), then both together as
// panelkit-run --unattended does.

#include <benchmark/benchmark.h>

#include <string>

#include "tools/panelkit-run/core/answers.hpp"
#include "tools/panelkit-run/core/assistant_loader.hpp"
#include "tools/panelkit-run/core/unattended.hpp"

namespace {

using panelkit2::run::Answers;
using panelkit2::run::Assistant;
using panelkit2::run::LoadAssistantText;
using panelkit2::run::RunUnattended;

std::string Control(int page, int index) {
    const std::string id = "c" + std::to_string(page) + "_" + std::to_string(index);
    const std::string head = "[[page.control]]\nid = \"" + id + "\"\n";
    const std::string items = "[{ text = \"One\", actions = [\"" + id +
                              "=1\"] }, { text = \"Two\", actions = [\"" + id +
                              "=2\"] }, { text = \"Three\" }]";
    const std::string ranges = "conditional_actions = [{ min = 0, max = 5, actions = [\"" + id +
                               "=low\"] }, { min = 5, max = 10, actions = [\"" + id +
                               "=high\"] }]\n";
    switch (index % 12) {
        case 0:
            return head +
                   "kind = \"check\"\ncaption = \"Check\"\noptions = [{ text = \"TRUE\", actions = "
                   "[\"" +
                   id + "=on\"] }, { text = \"FALSE\", actions = [\"" + id + "=off\"] }]\n";
        case 1:
            return head + "kind = \"combo\"\nelements = [{ caption = \"First\", items = " + items +
                   " }, { caption = \"Second\", items = " + items + " }]\n";
        case 2:
            return head +
                   "kind = \"command\"\ncaption = \"Push\"\noptions = [{ text = \"FALSE\", actions "
                   "= [\"" +
                   id + "=later\"] }]\n";
        case 3:
            return head +
                   "kind = \"continuousslide\"\ncaption = \"Share\"\ndecimal_place = 1\nmin = "
                   "0\nmax = 10\ndefault = 2.5\n" +
                   ranges;
        case 4:
            return head + "kind = \"list\"\ncaption = \"List\"\nitems = " + items +
                   "\ndefault = \"Two\"\n";
        case 5:
            return head + "kind = \"multilist\"\ncaption = \"Several\"\nitems = " + items +
                   "\ndefault = [\"One\", \"Three\"]\n";
        case 6:
            return head +
                   "kind = \"numbox\"\ncaption = \"Number\"\nmin = 0\nmax = 10\ndefault = 7\n" +
                   ranges;
        case 7:
            return head + "kind = \"radio\"\ncaption = \"One of\"\noptions = " + items + "\n";
        case 8:
            return head +
                   "kind = \"realnumbox\"\ncaption = \"Real\"\nmin = 0\nmax = 10\ndefault = "
                   "4.25\n" +
                   ranges;
        case 9:
            return head +
                   "kind = \"slide\"\ncaption = \"Steps\"\nticks = [{ caption = \"Low\", actions = "
                   "[\"" +
                   id + "=low\"], help = \"Little\" }, { caption = \"High\", actions = [\"" + id +
                   "=high\"] }]\n";
        case 10:
            return head + "kind = \"stringbox\"\noptions = [{ text = \"Name\", actions = [\"" + id +
                   "=name\"] }, { text = \"Mail\" }]\ndefault = [\"me\", \"me@example.org\"]\n";
        default:
            return head + "kind = \"textarea\"\ncaption = \"Notes\"\ncommon_actions = [\"" + id +
                   "=notes\"]\ndefault = \"A note\"\n";
    }
}

std::string GeneratedAssistant(int pages, int controls) {
    std::string text = "title = \"Generated\"\n";
    for (int page = 0; page < pages; ++page) {
        text += "[[page]]\nid = \"p" + std::to_string(page) + "\"\ncaption = \"Page " +
                std::to_string(page) + "\"\n";
        for (int index = 0; index < controls; ++index) text += Control(page, index);
    }
    return text;
}

// Every check checked, every radio on its second option.
std::string GeneratedAnswers(int pages, int controls) {
    std::string json = "{";
    for (int page = 0; page < pages; ++page) {
        json += std::string(page > 0 ? "," : "") + "\"p" + std::to_string(page) + "\": {";
        bool first = true;
        for (int index = 0; index < controls; ++index) {
            const std::string id = "c" + std::to_string(page) + "_" + std::to_string(index);
            if (index % 12 == 0)
                json += std::string(first ? "" : ",") + "\"" + id + "\": true";
            else if (index % 12 == 7)
                json += std::string(first ? "" : ",") + "\"" + id + "\": \"Two\"";
            else
                continue;
            first = false;
        }
        json += "}";
    }
    return json + "}";
}

void BM_LoadAssistant(benchmark::State& state) {
    const std::string text = GeneratedAssistant(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(LoadAssistantText(text, "generated.toml"));
}

void BM_RunUnattended(benchmark::State& state) {
    const int pages = int(state.range(0));
    const int controls = int(state.range(1));
    const Assistant assistant =
        LoadAssistantText(GeneratedAssistant(pages, controls), "generated.toml");
    const Answers answers =
        Answers::FromText(GeneratedAnswers(pages, controls), "answers.json", assistant);
    for (auto _ : state) benchmark::DoNotOptimize(RunUnattended(assistant, answers));
}

// What `panelkit-run FILE --unattended --answers ANSWERS` does before it prints.
void BM_LoadAndRunUnattended(benchmark::State& state) {
    const int pages = int(state.range(0));
    const int controls = int(state.range(1));
    const std::string text = GeneratedAssistant(pages, controls);
    const std::string json = GeneratedAnswers(pages, controls);
    for (auto _ : state) {
        const Assistant assistant = LoadAssistantText(text, "generated.toml");
        const Answers answers = Answers::FromText(json, "answers.json", assistant);
        benchmark::DoNotOptimize(RunUnattended(assistant, answers).ToJson().dump());
    }
}

}  // namespace

BENCHMARK(BM_LoadAssistant)->Args({50, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunUnattended)->Args({50, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndRunUnattended)->Args({50, 20})->Unit(benchmark::kMillisecond);
