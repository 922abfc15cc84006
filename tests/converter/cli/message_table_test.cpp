#include <gtest/gtest.h>
#include <sys/mount.h>

#include <functional>

#include "conversion_fixture.h"
#include "converter_contract.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Each case puts a bad input into the folder and returns its path.
struct BadInput {
    const char* name;
    std::function<fs::path(const fs::path& inputs)> prepare;
    const char* reason;  // words the one line must hold
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

fs::path written(const fs::path& path, const std::string& bytes) {
    writeFile(path, bytes);
    return path;
}

std::string sampleBytes(const std::string& name, std::size_t length) {
    return readFile(sample(name)).substr(0, length);
}

class Messages : public ConversionTest, public testing::WithParamInterface<BadInput> {};

// One line, naming the file the user dropped and a plain reason; never the hidden staging
// folder, a descriptor path or a delegate's own words; nothing written.
TEST_P(Messages, OneLineNamesTheInputAndAPlainReason) {
    REQUIRE_SAMPLE("spring_1440x960.heic");
    const fs::path input = GetParam().prepare(inputs.path());
    const ConverterRun run =
        runConverter({"-quality", "85%", input.string(), (folder / "out.JPG").string()});
    EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::InputError)) << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << "not one line:\n" << run.errors;
    EXPECT_EQ(run.errors.rfind("convert.exe: ", 0), 0u) << run.errors;
    EXPECT_NE(run.errors.find("`" + input.string() + "'"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(GetParam().reason), std::string::npos) << run.errors;
    for (const char* internal : {".convert.exe-", "/proc/self/", "magick-", "out.JPG"})
        EXPECT_EQ(run.errors.find(internal), std::string::npos) << run.errors;
    expectFolderHolds({});
}

constexpr const char* kNotAPhoto = "is not a photo this converter reads";

INSTANTIATE_TEST_SUITE_P(
    Table, Messages,
    testing::Values(
        BadInput{"CutHeic",
                 [](const fs::path& in) {
                     return written(in / "cut.heic", sampleBytes("spring_1440x960.heic", 20000));
                 },
                 "end of file"},
        BadInput{"RandomHeif",
                 [](const fs::path& in) {
                     std::string noise(3000, '\0');
                     for (std::size_t i = 0; i < noise.size(); ++i)
                         noise[i] = static_cast<char>((i * 7919 + 13) % 251);
                     return written(in / "random.heif", noise);
                 },
                 kNotAPhoto},
        BadInput{"PngWithoutItsPixels",
                 [](const fs::path& in) {
                     // The header of a 4000x4000 PNG, its data cut after the header.
                     const std::string png = std::string(
                         "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"
                         "\0\0\x0f\xa0\0\0\x0f\xa0\x08\x02\0\0\0"
                         "\x0c\x5e\x8a\x26",
                         33);
                     return written(in / "cut.png", png);
                 },
                 "damaged or cut short: insufficient image data"},
        BadInput{"DanglingLink",
                 [](const fs::path& in) {
                     fs::create_symlink(in / "gone.jpg", in / "link.jpg");
                     return in / "link.jpg";
                 },
                 "symbolic link to a file that does not exist"},
        BadInput{"LoopingLink",
                 [](const fs::path& in) {
                     fs::create_symlink(in / "b.jpg", in / "a.jpg");
                     fs::create_symlink(in / "a.jpg", in / "b.jpg");
                     return in / "a.jpg";
                 },
                 "loops back on itself"},
        BadInput{"Pdf",
                 [](const fs::path& in) {
                     return written(in / "letter.pdf", "%PDF-1.4\n1 0 obj\n<<>>\nendobj\n%%EOF\n");
                 },
                 kNotAPhoto},
        BadInput{"PostScript",
                 [](const fs::path& in) {
                     return written(in / "page.ps",
                                    "%!PS-Adobe-3.0\n/Helvetica findfont\nshowpage\n");
                 },
                 kNotAPhoto},
        BadInput{"Video",
                 [](const fs::path& in) {
                     return written(in / "clip.mp4", std::string("\0\0\0\x18"
                                                                 "ftypisom\0\0\x02\0isomiso2"
                                                                 "\0\0\0\x08"
                                                                 "free",
                                                                 32));
                 },
                 kNotAPhoto},
        BadInput{"OfficeDocument",
                 [](const fs::path& in) {
                     return written(in / "report.doc",
                                    std::string("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1", 8) +
                                        std::string(512, '\0'));
                 },
                 kNotAPhoto},
        BadInput{"ZippedDocument",
                 [](const fs::path& in) {
                     return written(in / "report.docx",
                                    std::string("PK\x03\x04", 4) + std::string(200, 'x'));
                 },
                 kNotAPhoto},
        BadInput{"Text",
                 [](const fs::path& in) { return written(in / "notes.txt", "shopping list"); },
                 kNotAPhoto}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

// A small file system of its own, where this test may mount one (root, outside a locked-down
// container); removed with its contents afterwards.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& where) : m_path(where) {
        fs::create_directories(m_path);
        m_mounted = mount("tmpfs", m_path.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (m_mounted) umount(m_path.c_str());
    }
    bool mounted() const { return m_mounted; }

private:
    fs::path m_path;
    bool m_mounted = false;
};

TEST_F(ConversionTest, AFullDiskIsNamedAsTheReason) {
    REQUIRE_SAMPLE("polyhaven_venice_sunset_1k.hdr");
    const SmallDisk disk(folder / "disk");
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    for (const char* output : {"full.PNG", "full.TIF", "full.GIF", "full.BMP", "full.JPG"}) {
        SCOPED_TRACE(output);
        const fs::path target = folder / "disk" / output;
        const ConverterRun run =
            runConverter({sample("polyhaven_venice_sunset_1k.hdr").string(), target.string()});
        EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::OutputError)) << run.errors;
        EXPECT_EQ(run.errors,
                  "convert.exe: unable to write `" + target.string() + "': the disk is full\n");
        EXPECT_TRUE(fs::is_empty(folder / "disk"));
    }
}

}  // namespace
}  // namespace quorvel::converter
