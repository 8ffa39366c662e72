#include "fftRealWrapper.h"

#include <fftw3.h>

#include <algorithm>
#include <mutex>

namespace {
// FFTW's planner keeps global state: plans may be made and destroyed from
// one thread at a time only, while executing a plan is thread-safe.
std::mutex &plannerLock()
{
    static std::mutex lock;
    return lock;
}
} // namespace

struct FFTRealWrapper::Plan
{
    float *in = nullptr;
    float *out = nullptr;
    fftwf_plan plan = nullptr;
};

FFTRealWrapper::FFTRealWrapper()
    : m_plan(new Plan)
{
    std::lock_guard<std::mutex> guard(plannerLock());
    m_plan->in = fftwf_alloc_real(PointCount);
    m_plan->out = fftwf_alloc_real(PointCount);
    // Planned once for the object's life; ESTIMATE keeps construction cheap
    // and never touches the arrays.
    m_plan->plan = fftwf_plan_r2r_1d(PointCount, m_plan->in, m_plan->out, FFTW_R2HC, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    std::lock_guard<std::mutex> guard(plannerLock());
    fftwf_destroy_plan(m_plan->plan);
    fftwf_free(m_plan->in);
    fftwf_free(m_plan->out);
    delete m_plan;
}

void FFTRealWrapper::calculateFFT(float output[], const float input[])
{
    const int n = PointCount;
    std::copy(input, input + n, m_plan->in);
    fftwf_execute(m_plan->plan);
    // FFTW's half-complex order is r0 .. r(n/2), i(n/2-1) .. i1: the real
    // parts are already in place, the imaginary parts run backwards.
    const float *hc = m_plan->out;
    std::copy(hc, hc + n / 2 + 1, output);
    for (int k = 1; k < n / 2; ++k)
        output[n / 2 + k] = hc[n - k];
}
