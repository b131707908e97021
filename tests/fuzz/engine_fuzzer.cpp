// libFuzzer target: one evaluation, refresh or fraction conversion of the
// caret line on the in-memory text box, with the settings drawn from the
// input. Any broken rule aborts, so libFuzzer keeps the input as a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_case.h"

namespace {

[[noreturn]] void Die(const std::string& what) {
    std::fprintf(stderr, "\n*** engine rule broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// clang cannot re-encode literals, so this build compiles sources that were
// converted to GBK beforehand. The engine must see "×" as the bytes A1 C1.
void CheckLiteralsAreGbk() {
    fuzzcase::World world;
    world.settings.RealTimeMode = false;
    world.box.SetText("2\xA1\xC1" "3");
    world.box.SetSelectionStart(4);
    if (!world.engine.Evaluator() || world.box.Text() != "2\xA1\xC1" "3=6") {
        Die("the engine's literals are not GBK: \"2\xA1\xC1" "3\" gave \"" + world.box.Text() + "\"");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CheckLiteralsAreGbk();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const fuzzcase::Case c = fuzzcase::Decode(data, size);
    const std::string fault = fuzzcase::RunCase(c);
    if (!fault.empty()) Die(fault);
    return 0;
}
