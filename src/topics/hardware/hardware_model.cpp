// The computer hardware rules: disk formulas, RS232 frames, the keyboard
// matrix, the colour index, the mouse sensors and the optical disk.
#include "topics/hardware/hardware_model.h"

#include <bit>

namespace orr::hardware {

DiskResults diskResults(const DiskParams& d)
{
    const float rpm = d.rpm > 0 ? d.rpm : 1.0f;
    DiskResults r;
    r.rotationDelay = (0.5f * 60.0f) / rpm;
    r.accessTime = r.rotationDelay + d.seekTime;
    r.transferRate = (rpm / 60.0f) * d.bytesPerSector * d.sectors;
    r.capacity = d.surfaces * d.sectors * d.tracks * d.bytesPerSector;
    return r;
}

int oddParityBit(int code) { return std::popcount(unsigned(code) & 0xFFu) % 2 == 0 ? 1 : 0; }

std::string dataBits(int code)
{
    std::string s;
    for (int b = 7; b >= 0; --b)
        s += (code >> b) & 1 ? '1' : '0';
    return s;
}

namespace {
std::string lsbFirst(int code)
{
    std::string s;
    for (int b = 0; b < 8; ++b)
        s += (code >> b) & 1 ? '1' : '0';
    return s;
}
}  // namespace

std::string rs232Frame(int code)
{
    return "0 " + lsbFirst(code) + ' ' + char('0' + oddParityBit(code)) + " 1";
}

std::string rs232Levels(int code) { return '0' + lsbFirst(code) + char('0' + oddParityBit(code)) + '1'; }

std::string serialLevels(int code) { return '0' + lsbFirst(code) + '1'; }

std::string waveformDrawString(const std::string& levels, int step, int height)
{
    std::string s;
    char level = levels.empty() ? '1' : levels.front();
    for (char c : levels) {
        if (c != level)
            s += (c == '1' ? "u" : "d") + std::to_string(height) + ' ';
        level = c;
        s += 'r' + std::to_string(step) + ' ';
    }
    if (!s.empty())
        s.pop_back();
    return s;
}

MatrixPosition encoderPosition(int code) { return {(code >> 4) & 0x0F, code & 0x0F}; }

int nextColourIndex(int index) { return index >= 7 || index < 1 ? 1 : index + 1; }

std::string colourName(int index)
{
    static const char* const names[] = {"Black", "Blue", "Green", "Cyan", "Red", "Magenta", "Yellow", "White"};
    return names[index & 7];
}

std::array<int, 3> shadeChannels(int index, int shade)
{
    return {index & 4 ? shade : 0, index & 2 ? shade : 0, index & 1 ? shade : 0};
}

std::array<int, 2> sensorLevels(int phase)
{
    static const std::array<int, 2> gray[] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    return gray[((phase % 4) + 4) % 4];
}

int decodeDirection(std::array<int, 2> before, std::array<int, 2> after)
{
    const auto phaseOf = [](std::array<int, 2> s) {
        for (int p = 0; p < 4; ++p)
            if (sensorLevels(p) == s)
                return p;
        return 0;
    };
    const int d = (phaseOf(after) - phaseOf(before) + 4) % 4;
    return d == 1 ? 1 : d == 3 ? -1 : 0;
}

std::string pitsToBits(const std::string& surface)
{
    std::string bits;
    for (std::size_t i = 1; i < surface.size(); ++i)
        bits += surface[i] != surface[i - 1] ? '1' : '0';
    return bits;
}

}  // namespace orr::hardware
