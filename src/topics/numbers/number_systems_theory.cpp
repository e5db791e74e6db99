// The theory paragraphs of the NumberSystems examples.
#include "topics/numbers/number_systems.h"

namespace orr {

void numberSystemsTheory(int e, std::array<QString, 4>& p)
{
    for (QString& s : p)
        s.clear();
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "Our number system is a place-value system: the same digit is worth ten times more each place it moves "
            "to the left, through units, tens, hundreds, thousands and on to millions.");
        p[1] = QStringLiteral(
            "To add, write the numbers with their units under each other, then add each column from the units. A "
            "column total of ten or more leaves its units digit in the column and carries the tens to the next "
            "column on the left.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "Subtraction is done column by column from the units, taking the bottom digit from the top one. When the "
            "top digit is too small, ten is borrowed from the next column to the left, which is then one less.");
        p[1] = QStringLiteral(
            "Adding the answer to the number taken away must give back the first number, a quick check. If the "
            "second number is the larger, the answer is negative.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "Long multiplication splits the second number into its digits. The first number is multiplied by each "
            "digit in turn, starting with the units, and each partial product is moved one place further left by "
            "writing a zero on its right, because that digit is worth ten times more.");
        p[1] = QStringLiteral(
            "Adding the partial products gives the answer. A 0 digit gives a row of zeros, which can be left out.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "Long division works from the left of the dividend. Take enough digits for the divisor to go in at "
            "least once, write how many times it goes above the last of them, take away the product and bring down "
            "the next digit beside what is left.");
        p[1] = QStringLiteral(
            "Repeat until every digit has been brought down. What is left at the end is the remainder; the quotient "
            "times the divisor plus the remainder gives back the dividend.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "Each place in a number has a value ten times the place to its right: units, tens, hundreds, thousands "
            "and so on. To the right of the decimal point the places are tenths, hundredths and thousandths.");
        p[1] = QStringLiteral(
            "Counting in positive integers goes 1, 2, 3 ... and in negative integers -1, -2, -3 ...; a negative "
            "number has the same digits in the same places with a minus sign in front.");
        break;
    case 5:
    case 6:
        p[0] = QStringLiteral(
            "Decimals are added and subtracted like whole numbers once the decimal points are lined up. Negative "
            "numbers follow the sign rules: adding a negative number is the same as subtracting its size, and "
            "subtracting a negative number is the same as adding it.");
        p[1] = QStringLiteral(
            "The number line shows the working: adding moves to the right, subtracting moves to the left. A "
            "subtraction is checked by adding the number taken away back on to the answer.");
        break;
    case 7:
        p[0] = QStringLiteral(
            "To multiply decimals, ignore the points and multiply the digits as whole numbers. Then count the "
            "decimal places in both numbers together and put the point back that many places from the right.");
        p[1] = QStringLiteral(
            "The sign of the answer follows the rule: like signs give a positive answer, unlike signs a negative one.");
        break;
    case 8:
        p[0] = QStringLiteral(
            "Multiplying the top and bottom of a fraction by the same number does not change its value. Dividing "
            "decimals is simplified by multiplying both by a power of ten until the numerator is a whole number.");
        p[1] = QStringLiteral(
            "The answer can also be given as how many whole times the divisor goes in and what is left over. "
            "Division by zero has no answer at all.");
        break;
    case 9:
        p[0] = QStringLiteral(
            "Directed numbers have a size and a direction: positive numbers lie to the right of zero on the number "
            "line, negative numbers to the left, and the further left the more negative.");
        p[1] = QStringLiteral(
            "x + (+y) and x - (-y) both move right by y; x - (+y) and x + (-y) both move left by y. Two signs next to "
            "each other that are the same act as a plus, two that differ act as a minus.");
        break;
    case 10:
        p[0] = QStringLiteral(
            "In an arithmetic sequence each term is found by adding the same common difference to the term before. "
            "The difference may be negative, so the terms may fall, and the terms may be decimals.");
        p[1] = QStringLiteral(
            "The sum of the terms is the number of terms times the average of the first and last terms: -7, -4, -1, "
            "2, 5 has five terms averaging -1, so the sum is -5.");
        break;
    case 11:
        p[0] = QStringLiteral(
            "A flowchart shows the steps of a program. This one inputs a temperature, decides which scale it is in "
            "and follows one of two paths of simple arithmetic steps to the display.");
        p[1] = QStringLiteral(
            "Celsius to Fahrenheit: multiply by 9, divide by 5 and add 32, so 100 degrees C becomes 212 degrees F. "
            "Fahrenheit to Celsius reverses the steps in the opposite order: subtract 32, multiply by 5 and divide "
            "by 9, so 32 degrees F becomes 0 degrees C.");
        break;
    case 12:
        p[0] = QStringLiteral(
            "A matrix is a table of numbers in rows and columns, such as the daily sales of each shop. Two matrices "
            "of the same shape are added by adding the numbers in the same row and column positions.");
        p[1] = QStringLiteral("The result has the same shape; here it gives the total sales of both weeks.");
        break;
    case 13:
        p[0] = QStringLiteral(
            "Two matrices can be multiplied when the number of columns of the first matches the number of rows of "
            "the second. Each element of the result takes a row of the first matrix and a column of the second, "
            "multiplies them pair by pair and adds the products.");
        p[1] = QStringLiteral(
            "The order matters: A x B is usually not the same as B x A, and one of them may not exist at all.");
        break;
    default: break;
    }
}

}  // namespace orr
