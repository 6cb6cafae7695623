#include "studentfiles/StudentFileName.h"

#include <gtest/gtest.h>

using namespace studentfiles;

TEST(StudentFileName, PatternsAndCombinations) {
    const auto n = parseStudentFileName("D0Lifetime_175_Jean_Luc_Picard_12.root");
    ASSERT_TRUE(n);
    EXPECT_EQ(n->kind, StudentFileKind::LifetimeResults);
    EXPECT_EQ(n->combination, 175);
    EXPECT_EQ(n->identity, "Jean_Luc_Picard_12");
    EXPECT_EQ(n->name, ""); // four parts: not split
    const auto m = parseStudentFileName("MassHistogram_7_Ana_Pop_9.root");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->surname, "Pop");
    for (const char* bad : {"MassHistogram_176_A_B_C.root", "MassHistogram_0_A_B_C.root",
                            "MassHistogram_7_A_B_C.root.txt", "MassHistogram_x_A_B_C.root",
                            "MassHistogram_7_.root", "MassHistogram_7.root", "Mass_7_A_B_C.root"})
        EXPECT_FALSE(parseStudentFileName(bad)) << bad;
}

TEST(StudentFileName, WhatTheWritersNameTheParserReads) {
    const std::string lifetime = lifetimeResultsPath("out/", 12, "Ana/Pop_Ion_9b");
    EXPECT_EQ(lifetime, "out/D0Lifetime_12_Ana_Pop_Ion_9b.root");
    const auto l = parseStudentFileName(lifetime.substr(4));
    ASSERT_TRUE(l);
    EXPECT_EQ(l->kind, StudentFileKind::LifetimeResults);
    EXPECT_EQ(l->combination, 12);
    const std::string mass =
        studentFilePath("", StudentFileKind::MassHistogram, "175_Ana_Pop_9b.root");
    const auto h = parseStudentFileName(mass);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->kind, StudentFileKind::MassHistogram);
    EXPECT_EQ(h->combination, kCombinations);
    EXPECT_EQ(h->grade, "9b");
}
