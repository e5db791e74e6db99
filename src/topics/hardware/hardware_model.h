// The rules the computer hardware topic simulates, with no drawing: disk
// timing and capacity, the RS232 frame with odd parity, the keyboard-encoder
// scan, the mouse's quadrature sensors, the colour index and the optical
// disk's pits and lands.
#pragma once

#include <array>
#include <string>

namespace orr::hardware {

// A disk pack as the learner enters it.
struct DiskParams {
    float rpm = 2400;          // revolutions per minute
    float seekTime = 0.05f;    // seconds
    float surfaces = 10;
    float sectors = 8;         // per track
    float tracks = 200;        // per surface
    float bytesPerSector = 512;
};

struct DiskResults {
    float rotationDelay = 0;   // seconds: half a revolution on average
    float accessTime = 0;      // seconds: rotation delay plus seek
    float transferRate = 0;    // bytes a second
    float capacity = 0;        // bytes
};

// A speed of 0 (or less) is taken as one revolution a minute, so nothing divides by zero.
DiskResults diskResults(const DiskParams& d);

// Odd parity for the eight bits of code: 1 when the data holds an even number of 1s.
int oddParityBit(int code);
// The data bits of code as eight binary digits, most significant first.
std::string dataBits(int code);
// The bits in the order they go down the line: start, the data least
// significant first, parity, stop, grouped as "0 10000010 1 1".
std::string rs232Frame(int code);
// The line levels of that frame as a string of '0' and '1' (11 characters).
std::string rs232Levels(int code);
// The frame of the serial-and-parallel example: start, data LSB first, stop (10 levels).
std::string serialLevels(int code);

// A draw string that traces levels ('1' high) as a waveform, one step per
// level, starting low when the first level is 0; height is the swing.
std::string waveformDrawString(const std::string& levels, int step, int height);

// The keyboard encoder: the ASCII table laid out as 8 rows of 16 columns.
struct MatrixPosition {
    int row = 0;
    int column = 0;
};
MatrixPosition encoderPosition(int code);

// The colour index cycled by "Next Colour", 1 to 7 and round again.
int nextColourIndex(int index);
// The name of the colour an index gives: bit 0 blue, bit 1 green, bit 2 red.
std::string colourName(int index);
// The three channel intensities (red, green, blue) of a shade in that colour.
std::array<int, 3> shadeChannels(int index, int shade);

// The mouse roller's quadrature sensors: phases 0..3 give a, b = 00, 01, 11, 10.
std::array<int, 2> sensorLevels(int phase);
// Direction decoded from one sensor reading to the next: +1 right, -1 left, 0 none.
int decodeDirection(std::array<int, 2> before, std::array<int, 2> after);

// The optical disk: a pit edge reads 1, a flat stretch (pit or land) reads 0.
// surface holds 'P' for pit and 'L' for land; the result has one bit per
// boundary between neighbouring positions.
std::string pitsToBits(const std::string& surface);

}  // namespace orr::hardware
