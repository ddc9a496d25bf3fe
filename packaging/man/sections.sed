# Sections of a --help that help2man does not know by name become sections of the page.
s/^\.SS "Exit status:"$/.SH "EXIT STATUS"/
