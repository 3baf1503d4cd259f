#pragma once

class Frm1;

namespace results {

// The results window (placeholder until it lands).
class Frm2 {
public:
    explicit Frm2(Frm1& board) : board_(board) {}

private:
    Frm1& board_;
};

} // namespace results
