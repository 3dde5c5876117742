// SPDX-License-Identifier: MIT
// libFuzzer entry: any bytes as settings file text through the INI reader, the writer
// and the store value reader. A broken property aborts with its description.
#include "fuzz/inicheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    if (const auto failure = kestrun::inicheck::iniFailure(input)) {
        std::fputs(failure->c_str(), stderr);
        std::fputs("\n", stderr);
        std::abort();
    }
    return 0;
}
