// DataFiles: the notes of each example.
#include "topics/data/data_files.h"

namespace orr {

void dataFilesTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "A file is a collection of records, and a record is a group of fields about one thing: here one vehicle "
            "of the company fleet. The record key is the field that identifies the record and is never repeated.");
        p[1] = QStringLiteral(
            "In a fixed-length record every field is given a set number of characters, padded out when the data "
            "is shorter. Every record is then the same length, so the position of any record in the file can be "
            "calculated and the size of the file is the record length \u00D7 the number of records.");
        p[2] = QStringLiteral(
            "Fixed lengths waste some space on short entries; variable-length records save it, but need markers "
            "between fields and records and cannot be located by calculation.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "In a sequential file the records are stored one after another in order of their key, as on magnetic "
            "tape. To find a record the file is read from the beginning (BOF) and each key is compared with the "
            "one sought until it is found or the end of file (EOF) is reached.");
        p[1] = QStringLiteral(
            "On average half the file is read for each record, so sequential files suit batch jobs that process "
            "most of the records in turn, such as a payroll run, rather than enquiries about single records.");
        p[2] = QStringLiteral(
            "Set the search key and press Start Search: the records pass the read head one by one until the key "
            "matches.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "An index-sequential file keeps its records in key order but adds indexes so that a record can be "
            "reached directly. On a disk pack the cylinder index says which cylinder holds a range of keys, each "
            "cylinder has a surface index, and each surface a sector index.");
        p[1] = QStringLiteral(
            "Three short look-ups take the read heads straight to one sector, which is then read in sequence. The "
            "same file can still be processed from start to end in key order, so it serves both batch runs and "
            "enquiries.");
        p[2] = QStringLiteral(
            "New records that do not fit in their sector go to overflow areas, and the file is reorganised from "
            "time to time to keep access quick.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "A random (direct) access file works out where a record is stored from its key by a hashing "
            "calculation, so a record can be written or read without any index. Here the key is squared and the "
            "last six digits give the cylinder, surface and sector, two digits each.");
        p[1] = QStringLiteral(
            "Different keys can give the same address. The second record then goes to an overflow table and the "
            "home slot keeps a pointer to it; press Duplicate to see a key that collides. Dividing by a prime "
            "number or taking the square root are other ways of making addresses.");
        p[2] = QStringLiteral(
            "A good hashing method spreads the records evenly over the disk so that few collisions occur.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "Records on disk are grouped into buckets, each a block holding a fixed number of records that is read "
            "in one access. When keys are allocated in order, the bucket of a record can be calculated from the "
            "first key, the first bucket number and the number of records per bucket.");
        p[1] = QStringLiteral(
            "The whole part of the location is the bucket number and the fraction gives the record's place in the "
            "bucket. A first key greater than the key sought is lowered to it, which makes the record the first of "
            "the first bucket.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "A check digit is an extra digit calculated from the other digits of a code number and stored with it. "
            "When the number is keyed in again the digit is recalculated: if it differs, a keying mistake has been "
            "made.");
        p[1] = QStringLiteral(
            "In the modulo-11 method each digit is multiplied by a weight (1 for the rightmost, then 2, 3 and so "
            "on), the products are added and the total divided by 11; the remainder is the check digit. Numbers "
            "whose remainder would be 10 are not issued here. The weights catch swapped digits as well as wrong "
            "ones.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "A parity bit is added to each byte sent so that the number of 1s is always even (even parity) or "
            "always odd (odd parity). The receiver counts the 1s again; a count of the wrong kind shows that a bit "
            "was changed on the way.");
        p[1] = QStringLiteral(
            "Parity detects any single-bit error but not which bit it was, and two errors in the same byte cancel "
            "out. Use Make Error to flip the chosen bit and watch the received count change.");
        break;
    default:
        p[0] = QStringLiteral(
            "A cyclic redundancy check protects a whole packet of data. The sender calculates a checksum from all "
            "the data bytes and sends it with the packet; the receiver repeats the calculation and compares.");
        p[1] = QStringLiteral(
            "This simplified version multiplies the square of each byte by a coefficient and adds the results. A "
            "real CRC divides the data, taken as one long binary number, by a fixed polynomial and sends the "
            "remainder; it detects bursts of errors that parity would miss.");
        break;
    }
}

}  // namespace orr
