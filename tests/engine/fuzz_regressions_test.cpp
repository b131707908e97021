// Every fault the engine fuzzer found, kept: first each one cut down to a
// readable line with the exact outcome, then the fuzzer's own inputs,
// replayed through the same rules the fuzzer checks (tests/fuzz).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../fuzz/fuzz_case.h"
#include "messages.h"

namespace {

using fuzzcase::Action;

struct Finding {
    const char* what;
    std::string text;
    size_t caret;
    Action action;
    std::string expected;  // the box text afterwards
    std::string message;   // status part 0 afterwards
    bool spaceSplit = false;
    int fractionType = 0;
};

TEST(FuzzRegressions, ReadableFindings) {
    const std::vector<Finding> findings = {
        // The cut stopped before the stray LF, but the whole line came back.
        {"refresh of a line that ends in a lone LF", "1+2\n", 4, Action::Refresh, "1+2\n", ""},
        // The failed refresh put back the half line an inner refresh had taken.
        {"failed refresh after an inner refresh", "1∟3=x=5", 7, Action::Refresh, "1∟3=x=5",
         msg::kRefreshFailed, false, 1},
        // An evaluation inside the refresh repaired the lone LF of another
        // line, and the refresh went on at a shifted caret.
        {"refresh never repairs line ends", "1\n2\r\n1+x=5", 11, Action::Refresh, "1\n2\r\n1+x=5",
         msg::kRefreshFailed},
        // The cut left a trailing lone CR behind, so the restore added one.
        {"failed refresh of a line ending in a lone CR", "1+x=5\r", 6, Action::Refresh, "1+x=5\r",
         msg::kRefreshFailed},
        // The empty rebuilt last line handed the evaluator and the restore
        // the line above, which was deleted.
        {"refresh of a last line that rebuilds empty", "1+1\r\n==7", 8, Action::Refresh, "1+1\r\n==7",
         msg::kRefreshFailed},
        // The retry after the repair kept the caret's offset, not its place,
        // and the second conversion pass wrote into the expression.
        {"conversion retried after the repair", "1\n2+1=3", 7, Action::FractionConvert, "1\r\n2+1=3", ""},
        {"evaluation retried after the repair", "\r\r\r1+x\r\n7+8", 6, Action::Evaluate, "1+x\r\n7+8",
         msg::kUnknownCharacter},
        // The repair turned the LF in front of the caret into a line end, the
        // retry took the line above, and the second pass wrote on the new
        // empty line, away from its expression.
        {"second conversion pass stays on the expression's line", "1+1=\n=2", 7, Action::FractionConvert,
         "1+1=2\r\n", ""},
        // The pieces "1+x\r" and "\n3" joined into a line break; the restore
        // replaced only the new caret line.
        {"refresh pieces that join into a line break", "1+x\r=\n3", 7, Action::Refresh, "1+x\r=\n3",
         msg::kRefreshFailed},
        // In space-split mode a result takes blanks behind it; a failed
        // refresh took them with it only up to the caret, not all it added.
        {"failed space-split refresh keeps the blanks", "1+2=3+y=x 5", 2, Action::Refresh, "1+2=3+y=x 5",
         msg::kRefreshFailed, true},
        // A continuation typed as a power of ten joins the new result into
        // what reads as one old result; the fuzzer's rules took it for a
        // changed line. The engine keeps the text as typed.
        {"continuation that looks like a result's exponent", "1+4=-3=×10^20×10^20", 24, Action::Refresh,
         "1+4=5×10^20", msg::kRefreshed},
    };
    for (const Finding& f : findings) {
        SCOPED_TRACE(f.what);
        fuzzcase::Case c;
        c.settings.RealTimeMode = false;
        c.settings.SpaceSplitsExpressions = f.spaceSplit;
        c.settings.FractionType = f.fractionType;
        c.action = f.action;
        c.text = f.text;
        c.caret = f.caret;
        std::string text;
        std::string status;
        EXPECT_EQ(fuzzcase::RunCase(c, &text, &status), "");
        EXPECT_EQ(text, f.expected);
        EXPECT_EQ(status, f.message);
    }
}

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// The inputs as the fuzzer found them: six header bytes (places, flags,
// grouping/fraction/angle, action, caret) and the box text.
TEST(FuzzRegressions, FuzzerInputs) {
    const char* const inputs[] = {
        // refresh: a lone LF at the line end made the cut shorter than the line put back
        "0c010009002b320dfeff0a",
        // refresh: an inner refresh's half line put back on failure
        "0c010301ffff31a84e333da8314e363d31352b31a84e36",
        // evaluation: a refresh inside repaired line ends and duplicated text
        "0cdadaffffffffffffffffffffff010060600012aee0ffffdfa40a0060600000ffefffdadadadadada010003ff5dff312b"
        "323d332b343d372b31",
        // refresh: the failure restore added a lone CR
        "0cffff01ffff31a84e322bffff31a34e322b31a84e3303080e00b6ff650d0d0d0d0d0d0d0d0d0d0d0d0d0d0d780d0d0d"
        "0d3d35a84e",
        // evaluation: the empty rebuilt last line handed over the line above
        "0c010003ffff312b2b353230a1cc0cff0101ff00310d0a3d3d37",
        // fraction conversion: the retry after the repair wrote into the expression
        "0308210e01ff0a353d35",
        // refresh: pieces joined into a line break
        "0c010001363d2d34000d3d0a33",
        // refresh, space-split: a result written in front of a piece already put in
        "00ffff31a04e323d3dff916000003d3d3d2a3000c93130272e20333d3dffffffffffffff0a3d3d3d3d1f253d3d2d2d31"
        "3d3dd1553d3d3d0c0520636f730000000000000000000000000000000062ffff2b31202032ffffffffff91600000"
        "3d3d3d2a3000c93130272e2033",
        // fraction conversion: the second pass wrote on another line than its expression
        "3148ff02002b006c67005bffffffffffffffff03ff3d3d32ffffffffffffffffffffffffffffffffffffff34ffffffffffff"
        "ff343d5b31343d310a3d33",
        "ff0d3d0affffa3ffff31282b0d033d3d320d3d0a3d7d0d3d0a3d7d3dffff31282b0d033d3d320d3d0a3d32",
        // refresh, broken GBK: an LF that is a trail byte moved the insertion point
        "fdfeff31a04effffffffffffffffffffffffffffffff323d3d3d3d3d253d3d31bd0a3dd1553d3d3dffff323d3d3d3d3d25"
        "3d3d31bd3dd1553d3d3d3dbd3dd1553dbd3dd1553d3d3d3d3d3d3d3d3d253a31faffc830272e2033",
        // refresh: a typed "×10^…" continuation read back as the new result's exponent
        "58332b353d2d333232313defc131616273302b353d2d333232313da1c131305e343434343434a1c131305e3434343434"
        "343434343434345134" "0c3434343434343451340c01006d1f33343434343434343434343434343434343434343434"
        "34345e20ff74343434341f335e20613434783b",
        // fraction conversion: "2-02" behind the last "=" was taken off as a result
        "786a2b323d2d31322dc17a31305e2d30323d31323d5e2d30323d31323d31a1c131305e2d313234a84e31a1c131305e2d"
        "313230323d31323d322d3032",
        // fraction conversion: "=79" alone on the last line; the second pass took the line above
        "023d450270690065a6d000002b2bffff2eff0d0a2b320d0a3d3739",
        // evaluation: -0.999999999999 as an improper fraction was written "-2∟2"
        "2bff30ffff2dfc3d31a1c131305e2d31322d3031",
        // fraction conversion: the repair dropped a lone CR inside the line, which the rules counted as a change
        "fb212e2e2e2e2e2e2e2e2e2e2e2e2e2b343d733d3d31636f732d31313d0d203d30",
        // refresh: failed restore of a line ending in full-width blanks, and one with lone LFs
        "0c03a1a1a1a1a145a13d3d3d3d39a1a1a101a13d3d3d0c3f7a0c03a1a1a12ca1a1",
        "0c010003ffff746a667828382c312c332c342c3429203d3d3d3d3d3d3d3d3d3d3d3d203d3d3d3d3d3d0a370a3132254e3331a83d3d3d3d3d32",
        // refresh: a typed "×10^-023" joined the new result as its exponent, sign and all
        "0c01000128ff312b323d3031a1c131305e2d30323031a1c131305e2d303233a111c1325e2d30",
    };
    for (const char* hex : inputs) {
        SCOPED_TRACE(hex);
        const std::string bytes = FromHex(hex);
        const fuzzcase::Case c =
            fuzzcase::Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(fuzzcase::RunCase(c), "");
    }
}

}  // namespace
