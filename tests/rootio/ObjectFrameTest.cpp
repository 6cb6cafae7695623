// The framing words of streamed objects: byte counts, versions, class tags and references.
#include "rootio/ObjectFrame.h"
#include "rootio/ReadCursor.h"
#include "rootio/SlotHeader.h"

#include <gtest/gtest.h>

#include <vector>

using rootio::Malformed;
using rootio::ObjectFrame;
using rootio::ReadCursor;
using rootio::SlotHeader;

TEST(ObjectFrame, ByteCountBoundsTheObjectAndFinishSkipsItsRest) {
    const std::vector<std::uint8_t> counted = {0x40, 0, 0, 6, 0, 3, 1, 2, 3, 4, 9};
    ReadCursor c(counted.data(), counted.size());
    const ObjectFrame f = ObjectFrame::read(c);
    EXPECT_EQ(f.version, 3);
    EXPECT_EQ(f.end, 10u);
    c.u8();
    f.finish(c);
    EXPECT_EQ(c.offset(), 10u);

    const std::vector<std::uint8_t> bare = {0, 5, 0x40, 0};
    ReadCursor b(bare.data(), bare.size());
    const ObjectFrame g = ObjectFrame::read(b);
    EXPECT_EQ(g.version, 5);
    EXPECT_EQ(g.end, 0u);
    g.finish(b); // nothing to check without a byte count
    EXPECT_EQ(b.offset(), 2u);

    const std::vector<std::uint8_t> tooLong = {0x40, 0, 0, 7, 0, 3, 1, 2, 3, 4};
    ReadCursor t(tooLong.data(), tooLong.size());
    EXPECT_THROW(ObjectFrame::read(t), Malformed);
    const std::vector<std::uint8_t> tooShort = {0x40, 0, 0, 1, 0, 3};
    ReadCursor s(tooShort.data(), tooShort.size());
    EXPECT_THROW(ObjectFrame::read(s), Malformed);

    ReadCursor over(counted.data(), counted.size());
    const ObjectFrame h = ObjectFrame::read(over);
    over.u32();
    over.u8();
    EXPECT_THROW(h.finish(over), Malformed);
}

TEST(SlotHeader, NewClassesAreRememberedAndReferencesResolved) {
    // Counted slot naming class "TFoo" (tag word at position 4, so tag 6), then a slot
    // referring to that class, an object reference, a null slot and an unknown class.
    const std::vector<std::uint8_t> bytes = {0x40, 0,    0,    11,   0xFF, 0xFF, 0xFF, 0xFF,
                                             'T',  'F',  'o',  'o',  0,    0,    7, //
                                             0x80, 0,    0,    6,                   //
                                             0,    0,    0,    42,                  //
                                             0,    0,    0,    0,                   //
                                             0x80, 0,    0,    99,                  //
                                             0xFF, 0xFF, 0xFF, 0xFF, 0};
    std::map<std::uint32_t, std::string> tags;
    ReadCursor c(bytes.data(), bytes.size());
    const SlotHeader first = SlotHeader::read(c, tags);
    EXPECT_FALSE(first.null);
    EXPECT_EQ(first.className, "TFoo");
    EXPECT_EQ(first.end, 15u);
    EXPECT_EQ(tags.at(6), "TFoo");
    c.seek(first.end);
    const SlotHeader again = SlotHeader::read(c, tags);
    EXPECT_EQ(again.className, "TFoo");
    EXPECT_EQ(again.end, 0u);
    const SlotHeader reference = SlotHeader::read(c, tags);
    EXPECT_TRUE(reference.className.empty());
    EXPECT_FALSE(reference.null);
    EXPECT_EQ(reference.objectTag, 42u);
    EXPECT_TRUE(SlotHeader::read(c, tags).null);
    EXPECT_THROW(SlotHeader::read(c, tags), Malformed);
    EXPECT_THROW(SlotHeader::read(c, tags), Malformed); // empty class name
}
