// Writing a model into the tree: its SMD mesh, its animations and the ".hsa" descriptor naming them.
#include "ModelFiles.h"

#include "DataTree.h"

#include <cstdio>

void WriteModel(TDataTree& tree, const std::string& folder, const std::string& name, const TMesh& mesh,
                const std::vector<TAnimationFile>& animations, const std::string& hitBoxes) {
    const std::string base = folder + "/" + name;
    tree.Text(base + ".smd", mesh.Smd());
    std::vector<TAnimationFile> all = {{name + "_idle.smd", 10, {mesh.BindFrame()}}};
    all.insert(all.end(), animations.begin(), animations.end());
    std::string descriptor = "version 2\r\n1\r\n" + name + ".smd\r\n";
    if (!hitBoxes.empty()) {
        tree.Text(base + ".HB", hitBoxes);
        descriptor += name + ".HB\r\n";
    }
    for (const TAnimationFile& animation : all) {
        tree.Text(folder + "/" + animation.file, mesh.AnimationSmd(animation.frames));
        descriptor += animation.file + "\r\n" + std::to_string(animation.rate) + "\r\n";
    }
    tree.Text(base + ".hsa", descriptor);
}

std::string HitBoxLine(int type, int node, double value, const TVec3& lo, const TVec3& hi) {
    char line[160];
    std::snprintf(line, sizeof line, "%d %d %.2f %.3f %.3f %.3f %.3f %.3f %.3f\r\n", type, node, value, lo.x,
                  lo.y, lo.z, hi.x, hi.y, hi.z);
    return line;
}
