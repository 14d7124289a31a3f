// orlix-artgen: draws the game's built-in pictures, sounds and icon.
//   orlix-artgen OUTDIR                  writes the asset set under OUTDIR
//   orlix-artgen --measure               measured figures beside the catalogue's
//   orlix-artgen --contact-sheet FILE    every outline and thumbnail in one BMP
//   orlix-artgen --list                  the files OUTDIR receives, one a line
#include "AssetWriter.h"
#include "BmpWriter.h"
#include "ContactSheet.h"
#include "FileOutput.h"
#include "MeasureReport.h"

#include <exception>
#include <iostream>
#include <string>

namespace {
int Usage() {
    std::cerr << "usage: orlix-artgen OUTDIR | --measure | --contact-sheet FILE.bmp | --list\n";
    return 2;
}

int Generate(const std::string& dir) {
    const auto problems = AssetWriter::WriteAll(dir);
    for (const std::string& p : problems)
        std::cerr << "orlix-artgen: " << p << '\n';
    return problems.empty() ? 0 : 1;
}

int Run(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--measure")
        return MeasureReport::Print(std::cout) == 0 ? 0 : 1;
    if (argc == 2 && first == "--list") {
        for (const std::string& name : AssetWriter::FileNames())
            std::cout << name << '\n';
        return 0;
    }
    if (argc == 3 && first == "--contact-sheet") {
        FileOutput::Write(argv[2], BmpWriter::Encode(ContactSheet::Build(), 8));
        return 0;
    }
    if (argc == 2 && !first.starts_with("-"))
        return Generate(first);
    return Usage();
}
} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "orlix-artgen: " << e.what() << '\n';
        return 1;
    }
}
