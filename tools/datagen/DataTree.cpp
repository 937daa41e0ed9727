// The generated "Data" tree on disk, and the record of its pictures for the contact sheet.
#include "DataTree.h"

#include "AudioFiles.h"
#include "Canvas.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
constexpr int kThumbnail = 160;
}

TDataTree::TDataTree(std::string root) : root_(std::move(root)) {}

TDataTree::~TDataTree() {
    for (TPicture& p : pictures_)
        cairo_surface_destroy(p.thumbnail);
}

std::string TDataTree::Prepare(const std::string& path) const {
    const fs::path full = fs::path(root_) / path;
    fs::create_directories(full.parent_path());
    return full.string();
}

void TDataTree::Remember(const std::string& path, const TCanvas& canvas) {
    const double scale =
        std::min(1.0, std::min(double(kThumbnail) / canvas.Width(), double(kThumbnail) / canvas.Height()));
    const int w = std::max(1, int(canvas.Width() * scale)), h = std::max(1, int(canvas.Height() * scale));
    cairo_surface_t* thumb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(thumb);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, canvas.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    pictures_.push_back({path, canvas.Width(), canvas.Height(), thumb});
}

void TDataTree::Png(const std::string& path, const TCanvas& canvas, TOrientation orientation) {
    cairo_surface_t* stored = OrientedCopy(canvas.Surface(), orientation);
    // A detailed picture is "NAME@2x.png" beside its own, and stays off the contact sheet.
    const std::string name = canvas.Detail() == 1 ? path
                                                  : path.substr(0, path.size() - 4) + "@" +
                                                        std::to_string(canvas.Detail()) + "x" +
                                                        path.substr(path.size() - 4);
    WritePng(Prepare(name), stored);
    cairo_surface_destroy(stored);
    if (canvas.Detail() == 1) Remember(path, canvas);
}

void TDataTree::Jpg(const std::string& path, const TCanvas& canvas, int quality) {
    WriteJpg(Prepare(path), canvas.Surface(), quality);
    Remember(path, canvas);
}

void TDataTree::Tga(const std::string& path, const TCanvas& canvas) {
    WriteTga(Prepare(path), canvas.Surface());
    Remember(path, canvas);
}

void TDataTree::Text(const std::string& path, const std::string& bytes) {
    std::ofstream out(Prepare(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string TDataTree::ReadText(const std::string& path) const {
    std::ifstream in(fs::path(root_) / path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path + " (not generated yet?)");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TDataTree::Wav(const std::string& path, const std::vector<float>& mono, int rate) {
    WriteWav(Prepare(path), mono, rate);
}

void TDataTree::Ogg(const std::string& path, const std::vector<float>& stereo, int rate, double quality) {
    WriteOgg(Prepare(path), stereo, rate, quality);
}

void TDataTree::CopyFolder(const std::string& folder) {
    if (!fs::is_directory(folder)) return;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const std::string relative = fs::relative(file, folder).generic_string();
        fs::copy_file(file, Prepare(relative), fs::copy_options::overwrite_existing);
    }
}
