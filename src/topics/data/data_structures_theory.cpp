// DataStructures: the notes of each example.
#include "topics/data/data_structures.h"

namespace orr {

void dataStructuresTheory(int e, std::array<QString, 4>& p)
{
    switch (e) {
    case 0:
        p[0] = QStringLiteral(
            "Sorting puts the records of a file or the cells of an array into order of a key, ascending (smallest "
            "first) or descending. Sorted data can be searched quickly, merged with other sorted files and printed "
            "as reports that people can read.");
        p[1] = QStringLiteral(
            "The exchange sort shown compares the value at each position with every value after it and swaps the "
            "two when they are out of order, so after the first pass the first position holds the smallest (or "
            "largest) value. It is simple, but for n items it makes about n \u00D7 n / 2 comparisons, so doubling "
            "the data takes four times as long.");
        p[2] = QStringLiteral(
            "Faster methods such as quicksort and merge sort need about n \u00D7 log\u2082 n comparisons and are "
            "used for large files. Press New Values for fresh data and the order button to change the direction.");
        break;
    case 1:
        p[0] = QStringLiteral(
            "Merging combines two files that are already sorted in the same order into one sorted file, reading "
            "each file once from beginning to end. It is how a batch of sorted transactions is brought together "
            "with a master file.");
        p[1] = QStringLiteral(
            "At each step the current records of the two files are compared and the one that comes first in the "
            "sort order is written to the new file; that file then moves on to its next record. A dummy EOF "
            "(end of file) record marks the end of each file: once one file reaches it, the rest of the other is "
            "copied across.");
        p[2] = QStringLiteral(
            "A merge of files of m and n records takes at most m + n - 1 comparisons, so it is far quicker than "
            "sorting the combined file again.");
        break;
    case 2:
        p[0] = QStringLiteral(
            "A linear search looks at every record in turn until it finds the key; on average it reads half the "
            "file. A binary search needs the records in order of key, and halves the area still to be searched at "
            "every comparison.");
        p[1] = QStringLiteral(
            "The value sought is compared with the middle record of the area. If it is smaller the search moves "
            "back into the lower half, if larger forward into the upper half, and if equal the record is found. "
            "When the area becomes empty the value is not in the array.");
        p[2] = QStringLiteral(
            "Because the area halves each time, a file of N records needs at most about log\u2082 N comparisons: "
            "15 for 35000 records, where a linear search would average 17500.");
        break;
    case 3:
        p[0] = QStringLiteral(
            "An array is a block of cells of the same type held one after another in memory and reached by an "
            "index. Sales(3) is the fourth cell when the index starts at 0; the computer finds it directly from "
            "the start address plus the index times the cell size.");
        p[1] = QStringLiteral(
            "Here a group of cells is added: starting at the first index, the counter says how many cells are "
            "taken, and the total is stored in the result location. A loop over an index is the usual way to "
            "process every cell of an array.");
        p[2] = QStringLiteral(
            "Reading or writing one cell takes the same time wherever it is, but inserting a cell in the middle "
            "means moving all the cells after it.");
        break;
    case 4:
        p[0] = QStringLiteral(
            "A stack is a last in, first out (LIFO) store: items are added (pushed) and removed (popped) at the "
            "same end, the top. The stack pointer holds the position of the next free cell.");
        p[1] = QStringLiteral(
            "A push stores the data in buffer at the pointer and moves the pointer up; a pop moves the pointer down "
            "and copies that item to the data out buffer. Pushing onto a full stack (overflow) or popping an empty "
            "one (underflow) is refused and nothing changes.");
        p[2] = QStringLiteral(
            "Processors keep return addresses on a stack during subroutine calls and interrupts, and compilers use "
            "stacks to work out expressions. Both operations take the same short time however full the stack is.");
        break;
    case 5:
        p[0] = QStringLiteral(
            "A queue is a first in, first out (FIFO) store: data is added at the rear and removed from the front, "
            "so items leave in the order they arrived. Print jobs and keyboard buffers are queues.");
        p[1] = QStringLiteral(
            "In this simple queue the front is always cell 0. Removing an item copies it to the data out buffer and "
            "moves every remaining item one cell towards the front, so a removal takes longer the more items are "
            "queued. Adding to a full queue or removing from an empty one is refused.");
        p[2] = QStringLiteral(
            "A circular queue avoids the moving: front and rear pointers chase each other round the cells, wrapping "
            "from the last cell back to the first.");
        break;
    case 6:
        p[0] = QStringLiteral(
            "A linked list keeps items in order by pointers rather than by their places in memory. Each cell holds "
            "its data and a pointer to the next cell; a start pointer gives the first item and an end pointer (0) "
            "marks the last.");
        p[1] = QStringLiteral(
            "Unused cells are chained together from the free-space pointer (F.P.). To insert, the data is put in "
            "the first free cell, the free pointer moves on, and two pointers change so the new cell is linked in "
            "at its place. No other item moves, which is the advantage over an array.");
        p[2] = QStringLiteral(
            "The price is that the list can only be read by following the pointers from the start: finding the "
            "tenth item means passing the first nine. Undo takes the last insertion out again and returns its cell "
            "to the free space.");
        break;
    default:
        p[0] = QStringLiteral(
            "A binary tree is made of nodes, each holding a record key and two pointers, to a left (LH) and a "
            "right (RH) branch. The first key placed becomes the root node.");
        p[1] = QStringLiteral(
            "Each later key starts at the root: if it is greater than the node's key it goes right, otherwise "
            "left, until it reaches an empty branch where it is attached. Keys less than a node always lie in its "
            "left subtree, so a search discards one branch at every step.");
        p[2] = QStringLiteral(
            "A preorder traversal visits a node, then its whole left subtree, then its right subtree. The tree can "
            "be stored in an array with left and right pointer columns, as shown below the diagram. A balanced "
            "tree of N keys is about log\u2082 N levels deep.");
        break;
    }
}

}  // namespace orr
