// One read of a typical command file: ours against general INI readers doing the same job
// (open the file, find the 45 values of section "Command"). Compare the ratios printed at
// the end; absolute times depend on the machine.
#include <benchmark/benchmark.h>
#include <ini.h>

#define SI_NO_CONVERSION  // bytes as they are, like ours
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "command_file.h"

namespace {

// About 8 KB: comments, a section before, all 44 keys, a section after.
std::filesystem::path TypicalFile() {
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / "qz-bench-Command.ini";
        std::ofstream out(p, std::ios::binary);
        out << "; server command words\r\n[Setup]\r\n";
        for (int i = 0; i < 60; ++i) out << "Option" << i << "=value of option " << i << "\r\n";
        out << "[Command]\r\n";
        for (const qz::CommandSlot& slot : qz::Commands())
            if (slot.number != 10) out << slot.key << "=\xC3\xFC\xC1\xEE" << slot.key << "\r\n";
        out << "[Permission]\r\n";
        for (const qz::CommandSlot& slot : qz::Commands()) out << slot.key << "=10\r\n";
        while (out.tellp() < 8192) out << "; padding line for a typical size\r\n";
        return p;
    }();
    return path;
}

void Ours(benchmark::State& state) {
    const auto path = TypicalFile();
    for (auto _ : state) benchmark::DoNotOptimize(qz::ReadCommandFile(path));
}
BENCHMARK(Ours);

void Inih(benchmark::State& state) {
    const std::string path = TypicalFile().string();
    for (auto _ : state) {
        qz::CommandValues values;
        ini_parse(
            path.c_str(),
            [](void* user, const char* section, const char* name, const char* value) -> int {
                if (strcasecmp(section, "Command") != 0) return 1;
                auto& v = *static_cast<qz::CommandValues*>(user);
                for (const qz::CommandSlot& slot : qz::Commands())
                    if (v[slot.number - 1].empty() &&
                        strcasecmp(std::string(slot.key).c_str(), name) == 0)
                        v[slot.number - 1] = value;
                return 1;
            },
            &values);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(Inih);

void SimpleIni(benchmark::State& state) {
    const std::string path = TypicalFile().string();
    for (auto _ : state) {
        CSimpleIniA ini;
        ini.LoadFile(path.c_str());
        qz::CommandValues values;
        for (const qz::CommandSlot& slot : qz::Commands())
            values[slot.number - 1] = ini.GetValue("Command", std::string(slot.key).c_str(), "");
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(SimpleIni);

}  // namespace

BENCHMARK_MAIN();
