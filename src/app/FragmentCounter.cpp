// Fragment counts through GL_ARB_occlusion_query: samples that passed the depth and stencil tests.
#include "app/FragmentCounter.h"

#include "resources/OGLExt.h"

TFragmentCounter* FragmentCounter = nullptr;

bool TFragmentCounter::Open(const std::string& file) {
    if (!oglext::OcclusionQueriesAvailable) return false;
    file_ = std::fopen(file.c_str(), "w");
    if (!file_) return false;
    oglext::glGenQueriesARB(1, &query_);
    return true;
}

TFragmentCounter::~TFragmentCounter() {
    if (file_) std::fclose(file_);
}

void TFragmentCounter::Pass(const char* pass) {
    EndPass();
    pass_ = pass;
    oglext::glBeginQueryARB(GL_SAMPLES_PASSED_ARB, query_);
}

void TFragmentCounter::EndPass() {
    if (!pass_) return;
    oglext::glEndQueryARB(GL_SAMPLES_PASSED_ARB);
    GLuint samples = 0;
    oglext::glGetQueryObjectuivARB(query_, GL_QUERY_RESULT_ARB, &samples);
    counts_.emplace_back(pass_, samples);
    pass_ = nullptr;
}

void TFragmentCounter::EndFrame() {
    EndPass();
    for (size_t i = 0; i < counts_.size(); ++i)
        std::fprintf(file_, "%s%s=%llu", i ? " " : "", counts_[i].first,
                     static_cast<unsigned long long>(counts_[i].second));
    std::fputc('\n', file_);
    counts_.clear();
}
