// Makes the About window's tile picture, the player bar's banner and the maker's logo (into
// RES_FOLDER/about), and the icons of the program and the demo screensavers (RES_FOLDER/icons).
// Usage: make-pictures RES_FOLDER
#include <exception>
#include <iostream>
#include <string>

#include "IconFile.h"
#include "ImageFiles.h"
#include "Icons.h"
#include "Pictures.h"

namespace {

const std::string kFontFolder = "/usr/share/fonts/truetype/dejavu/";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: make-pictures RES_FOLDER\n";
        return 2;
    }
    try {
        using namespace pictures;
        const std::string about = std::string(argv[1]) + "/about/";
        const std::string icons = std::string(argv[1]) + "/icons/";
        FontLibrary library;
        const Font bold(library, (kFontFolder + "DejaVuSans-Bold.ttf").c_str(), 11);
        const Font small(library, (kFontFolder + "DejaVuSans.ttf").c_str(), 9);
        const Font narrow(library, (kFontFolder + "DejaVuSansCondensed.ttf").c_str(), 9);
        const Font letter(library, (kFontFolder + "DejaVuSerif-Bold.ttf").c_str(), 224);
        const Fonts fonts{bold, small, narrow, letter};
        WriteJpeg(LinksPicture(fonts), about + "links.jpg", 90);
        WriteBmp24(Banner(fonts), about + "banner.bmp");
        WriteBmp4Grey(Logo(fonts), about + "logo.bmp");
        WriteIco(DrawIcon(IconMotif::Program), icons + "Veilrunner.ico");
        WriteIco(DrawIcon(IconMotif::Starfield), icons + "Starfield.ico");
        WriteIco(DrawIcon(IconMotif::Plasma), icons + "Plasma.ico");
        WriteIco(DrawIcon(IconMotif::Ribbons), icons + "Ribbons.ico");
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make-pictures: " << e.what() << '\n';
        return 1;
    }
}
