#ifndef FFTREALWRAPPER_H
#define FFTREALWRAPPER_H

// A forward real FFT of a fixed 4096 points, unnormalised:
//   bin k = sum over n of input[n] * e^(-2*pi*i*k*n/4096)
// The output holds the real part of bin k at output[k] for k = 0..2048 and
// the imaginary part of bin k at output[2048 + k] for k = 1..2047 (the
// imaginary parts of bins 0 and 2048 are always 0 and not stored).
// The input is left unchanged. One object is used by one thread at a time.
class FFTRealWrapper
{
public:
    static constexpr int PointCount = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper &) = delete;
    FFTRealWrapper &operator=(const FFTRealWrapper &) = delete;

    void calculateFFT(float output[], const float input[]);

private:
    struct Plan;
    Plan *m_plan;
};

#endif // FFTREALWRAPPER_H
