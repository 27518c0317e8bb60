// A libFuzzer program for the target named by LANEWRIGHT_FUZZ_TARGET; a broken
// promise aborts, so the fuzzer keeps the input that broke it.
#include "FuzzEntries.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *aData, std::size_t aSize)
{
    static const auto entry = [] {
        for (const FuzzTarget &target : fuzzTargets()) {
            if (target.mName == QLatin1String(LANEWRIGHT_FUZZ_TARGET))
                return target.mEntry;
        }
        std::abort();
    }();
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(aData), int(aSize));
    const FuzzOutcome outcome = entry(input);
    if (!outcome.mFault.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", LANEWRIGHT_FUZZ_TARGET, qPrintable(outcome.mFault));
        std::abort();
    }
    return 0;
}
