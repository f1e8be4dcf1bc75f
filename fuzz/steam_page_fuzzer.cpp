// The Steam Tables page over a sample of the shipped sat.txt, driven by a user whose
// every click and typed text comes from the fuzzer: modes, property and
// quality choices, unit systems and units, OK, Clear and Enter. After each
// step every edit must be empty, a phase word, the user's own text or a
// finite "%.3f" number, and every message must be free of garbage.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz_pages.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chemeng;
    using namespace chemeng::fuzz;
    FuzzedDataProvider input(data, size);
    const FuzzPage& kind = steamPage();

    HeadlessDialog dialog(kind.layout());
    const std::unique_ptr<Page> page = kind.make(dialog, sampledDataDir());
    dialog.attach(*page);
    page->onInitDialog();
    ShownChecker checker(kind.layout(), kind.rules, /*trustedData=*/true);
    checker.check(dialog);
    playUserSteps(input, dialog, checker, userControls(kind.layout()), 64);
    return 0;
}
