#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rc/rc_error.h"
#include "rc/script_lexer.h"
#include "rc/script_parser.h"
#include "temp_folder.h"
#include "version_reader.h"

namespace {

class ResourceCompilerTest : public ::testing::Test {
 protected:
  std::vector<ResourceEntry> Compile(const std::string& script) {
    const std::string path = folder_.Write("test.rc", script);
    ScriptLexer lexer({folder_.Path() + "/include"});
    ScriptParser parser(lexer, lexer.Read(path), folder_.Path());
    return parser.Parse();
  }
  std::string CompileError(const std::string& script) {
    try {
      Compile(script);
    } catch (const RcError& error) {
      return error.what();
    }
    return "no error";
  }

  TempFolder folder_;
};

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values)
    out += static_cast<char>(v);
  return out;
}

TEST_F(ResourceCompilerTest, FileResourcesTakeNamesTypesAndTheCurrentLanguage) {
  folder_.Write("skin.zip", "PK-archive");
  folder_.Write("include/resource.h", "#define IDI_APP 101\n#define IDR_DATA 7\n");
  const auto entries = Compile(
      "#include \"resource.h\"\n"
      "#include <windows.h>\n"
      "IDR_DATA RCDATA \"skin.zip\"\n"
      "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\n"
      "IDR_ZIPRES ZIPRES DISCARDABLE \"skin.zip\"\n"
      "idr_lower 300 \"skin.zip\"\n"
      "1 RT_MANIFEST \"skin.zip\"\n");
  ASSERT_EQ(entries.size(), 4u);

  EXPECT_EQ(entries[0].type.id, kTypeRcData);
  EXPECT_EQ(entries[0].name.id, 7);
  EXPECT_EQ(entries[0].language, 0x0409) << "before any LANGUAGE statement";

  EXPECT_EQ(entries[1].type.name, "ZIPRES");
  EXPECT_EQ(entries[1].name.name, "IDR_ZIPRES") << "an undefined identifier is a string name";
  EXPECT_EQ(entries[1].language, 2052);
  EXPECT_EQ(entries[1].size, 10u);
  EXPECT_EQ(entries[1].offset, 0u);

  EXPECT_EQ(entries[2].name.name, "IDR_LOWER") << "names are upper-cased";
  EXPECT_EQ(entries[2].type.id, 300);
  EXPECT_EQ(entries[3].type.id, 24);
  EXPECT_EQ(entries[3].name.id, 1);
}

TEST_F(ResourceCompilerTest, PreprocessingSkipsCommentsAndUntakenBranches) {
  folder_.Write("a.bin", "a");
  const auto entries = Compile(
      "/* a comment\n"
      "   BROKEN STATEMENT over lines */\n"
      "#define CHOSEN 5 // trailing comment\n"
      "#ifdef APSTUDIO_INVOKED\n"
      "STRINGTABLE BEGIN END\n"
      "#else\n"
      "CHOSEN RCDATA \"a.bin\"\n"
      "#endif\n"
      "#ifndef CHOSEN\n"
      "#error not taken\n"
      "#endif\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name.id, 5);
}

TEST_F(ResourceCompilerTest, IconBecomesOneImageResourcePerImageAndADirectory) {
  // Image 1 is a bitmap (its header says 1 plane, 24 bits); image 2 is a PNG whose format
  // comes from the directory entry.
  std::string bitmap = Bytes({40, 0, 0, 0, 16, 0, 0, 0, 32, 0, 0, 0, 1, 0, 24, 0}) + std::string(24 + 8, 'b');
  std::string png = "\x89PNG-data";
  std::string ico = Bytes({0, 0, 1, 0, 2, 0});
  const uint32_t first = 6 + 2 * 16;
  const uint32_t second = first + uint32_t(bitmap.size());
  ico += Bytes({16, 16, 0, 0, 0, 0, 0, 0, int(bitmap.size()), 0, 0, 0, int(first), 0, 0, 0});
  ico += Bytes({0, 0, 0, 0, 1, 0, 32, 0, int(png.size()), 0, 0, 0, int(second), 0, 0, 0});
  folder_.Write("app.ico", ico + bitmap + png);

  const auto entries = Compile(
      "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\n"
      "101 ICON \"app.ico\"\n"
      "102 ICON \"app.ico\"\n");
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[0].type.id, kTypeIcon);
  EXPECT_EQ(entries[0].name.id, 1);
  EXPECT_EQ(entries[0].offset, first);
  EXPECT_EQ(entries[0].size, bitmap.size());
  EXPECT_EQ(entries[1].name.id, 2);
  EXPECT_EQ(entries[1].offset, second);
  EXPECT_EQ(entries[1].size, png.size());
  EXPECT_EQ(entries[3].name.id, 3) << "image numbers continue across icons";

  const ResourceEntry& group = entries[2];
  EXPECT_EQ(group.type.id, kTypeGroupIcon);
  EXPECT_EQ(group.name.id, 101);
  EXPECT_EQ(group.language, 2052);
  const std::vector<unsigned char> expected = {
      0, 0, 1, 0, 2, 0,
      16, 16, 0, 0, 1, 0, 24, 0, static_cast<unsigned char>(bitmap.size()), 0, 0, 0, 1, 0,
      0, 0, 0, 0, 1, 0, 32, 0, static_cast<unsigned char>(png.size()), 0, 0, 0, 2, 0};
  EXPECT_EQ(group.bytes, expected);
}

TEST_F(ResourceCompilerTest, VersionInfoIsTheBinaryVersionStructure) {
  const auto entries = Compile(
      "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED\n"
      "VS_VERSION_INFO VERSIONINFO\n"
      " FILEVERSION 1,0,0,1\n"
      " PRODUCTVERSION 1,2,3,4\n"
      " FILEFLAGSMASK 0x3fL\n"
      " FILEFLAGS 0x0L\n"
      " FILEOS VOS_NT_WINDOWS32\n"
      " FILETYPE VFT_APP\n"
      " FILESUBTYPE VFT2_UNKNOWN\n"
      "BEGIN\n"
      "  BLOCK \"StringFileInfo\"\n"
      "  BEGIN\n"
      "    BLOCK \"080404b0\"\n"
      "    BEGIN\n"
      "      VALUE \"ProductName\", \"Vantellis\"\n"
      "      VALUE \"OriginalFilename\", \"Vantellis.exe\\0\"\n"
      "    END\n"
      "  END\n"
      "  BLOCK \"VarFileInfo\"\n"
      "  BEGIN\n"
      "    VALUE \"Translation\", 0x804, 1200\n"
      "  END\n"
      "END\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].type.id, kTypeVersion);
  EXPECT_EQ(entries[0].name.id, 1);
  const std::vector<unsigned char>& b = entries[0].bytes;

  const VersionNodeView root = ReadNode(b, 0);
  EXPECT_EQ(root.length, b.size());
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  EXPECT_EQ(root.valueLength, 52);
  EXPECT_EQ(U32(b, root.valueAt), 0xFEEF04BDu);
  EXPECT_EQ(U32(b, root.valueAt + 8), 0x00010000u);   // 1.0
  EXPECT_EQ(U32(b, root.valueAt + 12), 0x00000001u);  // 0.1
  EXPECT_EQ(U32(b, root.valueAt + 16), 0x00010002u);
  EXPECT_EQ(U32(b, root.valueAt + 20), 0x00030004u);
  EXPECT_EQ(U32(b, root.valueAt + 24), 0x3Fu);
  EXPECT_EQ(U32(b, root.valueAt + 32), 0x40004u);
  EXPECT_EQ(U32(b, root.valueAt + 36), 1u);

  ASSERT_EQ(root.children.size(), 2u);
  const VersionNodeView& strings = root.children[0];
  EXPECT_EQ(strings.key, u"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  const VersionNodeView& table = strings.children[0];
  EXPECT_EQ(table.key, u"080404b0");
  ASSERT_EQ(table.children.size(), 2u);
  const VersionNodeView& product = table.children[0];
  EXPECT_EQ(product.key, u"ProductName");
  EXPECT_EQ(product.type, 1);
  EXPECT_EQ(product.valueLength, 10) << "characters with the terminator";
  EXPECT_EQ(U16(b, product.valueAt), 'V');
  EXPECT_EQ(table.children[1].valueLength, 14) << "a written \\0 ends the text";

  const VersionNodeView& vars = root.children[1];
  EXPECT_EQ(vars.key, u"VarFileInfo");
  ASSERT_EQ(vars.children.size(), 1u);
  const VersionNodeView& translation = vars.children[0];
  EXPECT_EQ(translation.key, u"Translation");
  EXPECT_EQ(translation.type, 0);
  EXPECT_EQ(translation.valueLength, 4);
  EXPECT_EQ(U16(b, translation.valueAt), 0x0804);
  EXPECT_EQ(U16(b, translation.valueAt + 2), 1200);
}

TEST_F(ResourceCompilerTest, FaultsAreRefusedWithTheirPlace) {
  folder_.Write("a.bin", "a");
  const struct {
    const char* script;
    const char* message;
  } cases[] = {
      {"STRINGTABLE\nBEGIN\nEND\n", "test.rc:1: unsupported statement STRINGTABLE"},
      {"1 DIALOGEX 0, 0, 10, 10\n", "test.rc:1: unsupported statement DIALOGEX"},
      {"\n1 RCDATA \"missing.bin\"\n", "test.rc:2: cannot find file \"missing.bin\""},
      {"1 RCDATA BEGIN 1 END\n", "inline resource data is not supported"},
      {"1 RCDATA skin\n", "expected a quoted file name"},
      {"#if 1\n#endif\n", "test.rc:1: unsupported directive #if"},
      {"#pragma code_page(936)\n", "only UTF-8 scripts are supported"},
      {"#define F(x) x\n", "function-like macros are not supported"},
      {"#include \"nothing.h\"\n", "cannot find included file \"nothing.h\""},
      {"#ifdef X\n", "#ifdef without #endif"},
      {"#endif\n", "#endif without #ifdef"},
      {"1 ZIPRES \"a.bin\n", "unterminated string"},
      {"LANGUAGE LANG_MARTIAN, 1\n", "LANG_MARTIAN is not a defined number"},
      {"70000 RCDATA \"a.bin\"\n", "above 65535"},
      {"1 VERSIONINFO\nFILEVERSION 1\nBEGIN\nVALUE \"a\", \"x\", 1\nEND\n", "either text or numbers"},
      {"1 VERSIONINFO\nBEGIN\nBLOCK \"a\"\nBEGIN\n", "missing END"},
      {"1 ICON \"a.bin\"\n", "not an icon file"},
      {"#define A A\nA\n", "expands into itself"},
  };
  for (const auto& c : cases) {
    const std::string error = CompileError(c.script);
    EXPECT_NE(error.find(c.message), std::string::npos) << c.script << "\n gave: " << error;
  }
}

TEST_F(ResourceCompilerTest, IconWithImagesOutsideTheFileIsRefused) {
  folder_.Write("cut.ico", Bytes({0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0, 100, 0, 0, 0, 22, 0, 0, 0}));
  EXPECT_NE(CompileError("1 ICON \"cut.ico\"\n").find("lies outside the file"), std::string::npos);
}

}  // namespace
