// Makes the About window's tile picture, the player bar's banner and the maker's logo.
// Usage: make-pictures OUTPUT_FOLDER
#include <exception>
#include <iostream>
#include <string>

#include "ImageFiles.h"
#include "Pictures.h"

namespace {

const std::string kFontFolder = "/usr/share/fonts/truetype/dejavu/";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: make-pictures OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        using namespace pictures;
        const std::string out = std::string(argv[1]) + "/";
        FontLibrary library;
        const Font bold(library, (kFontFolder + "DejaVuSans-Bold.ttf").c_str(), 11);
        const Font small(library, (kFontFolder + "DejaVuSans.ttf").c_str(), 9);
        const Font narrow(library, (kFontFolder + "DejaVuSansCondensed.ttf").c_str(), 9);
        const Font letter(library, (kFontFolder + "DejaVuSerif-Bold.ttf").c_str(), 224);
        const Fonts fonts{bold, small, narrow, letter};
        WriteJpeg(LinksPicture(fonts), out + "links.jpg", 90);
        WriteBmp24(Banner(fonts), out + "banner.bmp");
        WriteBmp4Grey(Logo(fonts), out + "logo.bmp");
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make-pictures: " << e.what() << '\n';
        return 1;
    }
}
