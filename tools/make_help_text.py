#!/usr/bin/env python3
"""Writes resources/help.txt, the text of the Info window.

The file is UTF-8 with a carriage return (byte 13) between lines and nowhere
else: no line feed, no tab, nothing after the last line. The correlation rows
of the two examples line their columns up with no-break spaces, which the
matrix fields of the program also accept as separators.

    python3 tools/make_help_text.py [output path]
"""

import sys
from pathlib import Path

NBSP = "\u00a0"
MAKER = "the Tandrel authors"
COPYRIGHT = "\u00a9 2017-2020 the Tandrel authors. All rights reserved."


def correlation_rows(a, b, c):
    """The three rows of a symmetric 3 x 3 correlation matrix, given as the
    off-diagonal values r12 = a, r13 = b, r23 = c; every value of a matrix has
    the same width, so the runs below keep the columns lined up."""
    one = "1.0000" if len(a) == 6 else "1.00"
    return [
        one + (NBSP + " ") * 4 + a + " " + NBSP + "   " + b,
        NBSP + a + " " * 7 + one + " " + NBSP + " " + NBSP + " " + c,
        NBSP + b + " " + NBSP + "     " + c + " " + NBSP + "   " + one,
    ]


def example(heading, covariance, correlation, deviations):
    return ([heading, "Covariance Matrix ="] + covariance +
            ["", "Correlation Matrix ="] + correlation +
            ["", "Standard Deviation Vector  ="] + deviations)


LINES = [
    "Tandrel",
    "",
    "Some statistical calculations need a correlation matrix and others a covariance matrix. "
    "Many statistical programs compute the matrix they need by themselves, but at times one of the "
    "two matrices is at hand while the other one is needed. Tandrel serves those occasions: given "
    "enough information, it converts a correlation matrix into a covariance matrix and a covariance "
    "matrix into a correlation matrix.",
    "",
    "In matrix notation, a correlation matrix is converted into a covariance matrix by (SD)*R*(SD), "
    "where SD is the diagonal matrix of the standard deviations and R is the symmetrical correlation "
    "matrix. A covariance matrix V is converted into a correlation matrix by (D`)*V*(D`), where D` is "
    "the diagonal matrix of the inverse standard deviations, one over the square root of each "
    "diagonal value of V.",
    "",
    "Input",
    "Choose the direction of the conversion, Corr to Cov or Cov to Corr, and enter the dimension of "
    "the matrix, from 2 to 100. Both matrices are square, so the dimension is the number of "
    "variables: 5 variables give a 5 x 5 matrix and the dimension 5.",
    "",
    "The correlation matrix must be symmetrical: its upper and lower triangles must be equal. The "
    "standard deviation of every variable is needed to compute the covariance matrix from the "
    "correlation matrix.",
    "",
    "Enter the matrix in the field meant for it. Row values must be separated by a space or tab and "
    "each row must end with a carriage return. The standard deviations go into the sd field as one "
    "column, one value per line, each followed by a carriage return. Then press Calculate: the result "
    "appears in the other matrix field, from where it can be copied.",
    "",
    "Caution",
    "Extra spaces inside values, or characters that do not print, can make the program misread the "
    "input and give wrong results: \"3.1 2\" (a space between 1 and 2) is not the same as \"3.12\". "
    "Check the input before you rely on a result.",
    "",
] + example(
    "Example 1 (a 2016 textbook of structural equation modeling, 4th edition, p. 70)",
    ["1.00    0.30    0.65",
     "0.30    2.00    1.15",
     "0.65    1.15    0.90"],
    correlation_rows("0.2121", "0.6852", "0.8572"),
    ["1.0000", "1.4142", "0.9487"],
) + [
    "",
] + example(
    "Example 2 (a 1997 textbook of mathematical tools for applied multivariate analysis, p. 69)",
    ["29.4849   19.4475   14.4014",
     "19.4475   14.2129   10.6729",
     "14.4014   10.6729    8.8804"],
    correlation_rows("0.95", "0.89", "0.95"),
    ["5.43", "3.77", "2.98"],
) + [
    "",
    "A note on precision: a value can come out slightly off through the loss of precision over "
    "several computations, and the results are written with at most four decimals. A correlation of 1 with a standard deviation of 4.690 gives a covariance "
    "of 21.9961, where 22 is correct. Check whether a value is to be rounded.",
    "",
    "References",
    "Three authors (1997). A textbook of mathematical tools for applied multivariate analysis. "
    "Example 2 is on p. 69.",
    "",
    "One author (2016). A textbook of structural equation modeling, 4th edition. Example 1 is on "
    "p. 70.",
    "",
    "The matrix multiplication is done by libComplexMatrix64, the matrix library that ships with "
    "Tandrel, which computes with the Eigen C++ template library.",
    " " * 5 + "*" * 85,
    "Tandrel " + COPYRIGHT + " Tandrel may be passed on through shareware channels, but it may not "
    "be sold, neither alone nor as part of a collection.",
    "",
    "To cite this program: " + MAKER + " (2020). Tandrel [Computer software]. Eastbrook: Tandrel "
    "Software Works.",
    "",
    "This program comes with no warranty of any kind, expressed or implied, including warranties of "
    "merchantability or fitness for a particular purpose. It is to be used with care and professional "
    "judgement by a user with the needed qualifications, who bears the responsibility for every "
    "decision based on its results; " + MAKER + " accept no liability for miscalculation or misuse.",
]


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[1] / "resources" / "help.txt"
    assert len(LINES) == 62, len(LINES)
    text = "\r".join(LINES)
    assert "\n" not in text and "\t" not in text
    assert text.count(NBSP) == 22
    out.write_bytes(text.encode("utf-8"))
    print(f"{out}: {len(LINES)} lines, {len(text)} characters")


if __name__ == "__main__":
    main()
