#include "files/TypeKey.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

struct KindCase {
    const char* name;
    const char* key;
    FileKind kind;
};

class TypeKeyTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(TypeKeyTest, KeyAndKindComeFromTheLastFourCharacters) {
    const KindCase& c = GetParam();
    EXPECT_EQ(TypeKey(c.name), c.key);
    EXPECT_EQ(KindOf(c.name), c.kind);
}

INSTANTIATE_TEST_SUITE_P(Names, TypeKeyTest,
                         ::testing::Values(KindCase{"A.SCR", ".scr", FileKind::Screensaver},
                                           KindCase{"C:\\Savers\\Mystify.Scr", ".scr", FileKind::Screensaver},
                                           KindCase{"list.spls", "spls", FileKind::Playlist},
                                           KindCase{"list.SPL", ".spl", FileKind::Playlist},
                                           KindCase{"myspls", "spls", FileKind::Playlist},
                                           KindCase{"spls", "spls", FileKind::Playlist},
                                           KindCase{"w.scfg", "scfg", FileKind::WallpaperPlaylist},
                                           KindCase{"W.SCF", ".scf", FileKind::WallpaperPlaylist},
                                           KindCase{"abcscfg", "scfg", FileKind::WallpaperPlaylist},
                                           KindCase{"x.scr ", "scr ", FileKind::Other},
                                           KindCase{"x.scrx", "scrx", FileKind::Other},
                                           KindCase{"w.scfg.txt", ".txt", FileKind::Other},
                                           KindCase{"scr", "scr", FileKind::Other},
                                           KindCase{"", "", FileKind::Other},
                                           // Only A to Z are lowered; other bytes stay as they are.
                                           KindCase{"x.\xC4SCR", "\xC4scr", FileKind::Other}));

struct NameCase {
    const char* path;
    const char* namePart;
    const char* title;
};

class FileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileNameTest, NamePartAndTitle) {
    const NameCase& c = GetParam();
    EXPECT_EQ(FileNamePart(c.path), c.namePart);
    EXPECT_EQ(SaverTitle(c.path), c.title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileNameTest,
    ::testing::Values(NameCase{"C:\\Windows\\System32\\Mystify.scr", "Mystify.scr", "Mystify"},
                      NameCase{"D:Bubbles.scr", "Bubbles.scr", "Bubbles"},
                      NameCase{"relative.scr", "relative.scr", "relative"}, NameCase{"C:\\dir.x\\", "", ""},
                      NameCase{"C:\\a\\b.s", "b.s", ""}, NameCase{"", "", ""}));

}  // namespace
}  // namespace vr
