// The five compound pages over a sample of the shipped data, driven by a user whose
// every click, choice and typed text comes from the fuzzer. After each step
// every edit must show a finite number in the page's format, a data text or
// the user's own text, and every message must be free of garbage.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

#include "fuzz_pages.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chemeng;
    using namespace chemeng::fuzz;
    FuzzedDataProvider input(data, size);
    const std::span<const FuzzPage> pages = compoundPages();
    const FuzzPage& kind = pages[input.ConsumeIntegralInRange<std::size_t>(0, pages.size() - 1)];

    HeadlessDialog dialog(kind.layout());
    const std::unique_ptr<Page> page = kind.make(dialog, sampledDataDir());
    dialog.attach(*page);
    page->onInitDialog();
    ShownChecker checker(kind.layout(), kind.rules, /*trustedData=*/true);
    checker.check(dialog);
    playUserSteps(input, dialog, checker, userControls(kind.layout()), 64);
    return 0;
}
