// The error as data: the catalogue's numbers, and the place an error blames kept as
// fields that a host reads, or points at its own file.
#include <gtest/gtest.h>

#include <set>

#include "common/Error.h"

namespace tellvane {
namespace {

TEST(ErrorCatalogue, EveryClassicNumberHasOneDescription) {
    const ErrorNumber numbers[] = {kInvalidProcedureCall, kOverflow,      kOutOfMemory,    kSubscriptOutOfRange,
                                   kDivisionByZero,       kTypeMismatch,  kFileAccess,     kObjectUnloaded,
                                   kInvalidPropertyValue};
    std::set<std::string_view> descriptions;
    for (const ErrorNumber n : numbers) {
        EXPECT_FALSE(catalogueDescription(n).empty()) << n;
        descriptions.insert(catalogueDescription(n));
        const Error e(n, {}, {});
        EXPECT_EQ(e.number(), n);
        EXPECT_EQ(e.summary(), catalogueDescription(n));
    }
    EXPECT_EQ(descriptions.size(), std::size(numbers)) << "two numbers share a description";
    EXPECT_TRUE(catalogueDescription(1104).empty()) << "a realisation's own number is not the catalogue's";
}

TEST(ErrorPlace, IsKeptAsFieldsAndANamedWorkingFileBecomesTheUsers) {
    struct Case {
        const char* name;
        Error error;
        ErrorPlace expected;  // after naming "/out/chart.pdf" for the working file "/work/M_g_l.kvd"
    } cases[] = {
        {"the working file", Error::fileAccess("/work/M_g_l.kvd", "cannot be created"), {"/out/chart.pdf"}},
        {"another file", Error::fileAccess("/out/fonts/ipag.ttf", "cannot be read"), {"/out/fonts/ipag.ttf"}},
        {"no file", Error::overflow(), {}},
        {"a line and a key", Error(kOverflow, "too large", {"/work/M_g_l.kvd", 7, "Hougan1Pen"}),
         {"/out/chart.pdf", 7, "Hougan1Pen"}},
        {"a realisation's own number", Error(1104, "The plot file could not be written", "disk full", {"/work/M_g_l.kvd"}),
         {"/out/chart.pdf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Error named = c.error.naming("/out/chart.pdf", "/work/M_g_l.kvd");
        EXPECT_EQ(named.number(), c.error.number());
        EXPECT_EQ(named.summary(), c.error.summary());
        EXPECT_EQ(named.detail(), c.error.detail());
        EXPECT_EQ(named.file(), c.expected.file);
        EXPECT_EQ(named.line(), c.expected.line);
        EXPECT_EQ(named.key(), c.expected.key);
        // The wording a host prints by default names the place it holds, and no other.
        EXPECT_EQ(named.description().find("M_g_l.kvd"), std::string::npos) << named.description();
        if (!c.expected.file.empty()) {
            EXPECT_NE(named.description().find(c.expected.file), std::string::npos) << named.description();
        }
    }
}

}  // namespace
}  // namespace tellvane
