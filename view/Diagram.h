#pragma once

// The two ways the plot shows a measurement.
enum class Diagram { Nyquist, Bode };
