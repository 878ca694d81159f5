#pragma once
// Visual Basic keyword recognition: letter values, the hashing rule and the keyword slots.

#include <array>
#include <cstdint>
#include <string_view>

namespace tips::highlight::vb {

// Identifier characters of the hashed run: 0-9, A-Z, a-z and the underscore (ASCII only).
bool IsIdentChar(unsigned char c);

// A and a are 1 ... Z and z are 26, the underscore 31, everything else (digits included) 0.
int LetterValue(unsigned char c);

// Every keyword, in lower case; "rem" is among them.
inline constexpr std::array<std::string_view, 214> kKeywords = {
    "abs", "and", "appactivate", "array", "as", "asc", "atn", "attribute", "base", "beep", "begin", "boolean",
    "byte", "call", "case", "cbool", "cbyte", "ccur", "cdate", "cdbl", "chdir", "chdrive", "chr", "cint", "circle",
    "class", "clear", "clng", "close", "command", "compare", "const", "cos", "createobject", "csng", "cstr",
    "curdir", "currency", "cvar", "cverr", "date", "dateadd", "datediff", "datepart", "dateserial", "datevalue",
    "ddb", "deftype", "dim", "dir", "do", "doevents", "double", "each", "else", "elseif", "empty", "end", "environ",
    "eof", "eqv", "erase", "err", "error", "exit", "exp", "explicit", "fileattr", "filecopy", "filedatetime",
    "filelen", "fix", "for", "form", "format", "freefile", "function", "fv", "get", "getattr", "getobject", "gosub",
    "goto", "hex", "hour", "if", "iif", "imp", "input", "instr", "int", "integer", "ipmt", "irr", "is", "isarray",
    "isdate", "isempty", "iserror", "ismissing", "isnull", "isnumeric", "isobject", "kill", "lbound", "lcase",
    "left", "len", "let", "line", "loc", "lock", "lof", "log", "long", "loop", "lset", "ltrim", "me", "mid",
    "minute", "mirr", "mkdir", "mod", "module", "month", "msgbox", "name", "new", "next", "not", "nothing", "now",
    "nper", "npv", "object", "oct", "on", "open", "option", "or", "pmt", "ppmt", "print", "private", "property",
    "pset", "public", "put", "pv", "qbcolor", "raise", "randomize", "rate", "redim", "reset", "resume", "return",
    "rgb", "right", "rmdir", "rnd", "rset", "rtrim", "second", "seek", "select", "sendkeys", "set", "setattr", "sgn",
    "shell", "sin", "single", "sln", "space", "spc", "sqr", "static", "stop", "str", "strcomp", "strconv", "string",
    "sub", "switch", "syd", "system", "tab", "tan", "then", "time", "timer", "timeserial", "timevalue", "to", "trim",
    "typename", "ubound", "ucase", "unlock", "until", "val", "variant", "vartype", "version", "weekday", "wend",
    "while", "width", "with", "write", "xor", "rem"};

// Keyword slots are indexed by hash; a run hashing to this or more is never a keyword.
inline constexpr int kKeywordSlots = 134;

// Sum of the letter values of the run of identifier characters at the start of `text`; `length` gets the run's length.
int HashIdentifier(std::string_view text, std::size_t& length);

// The keyword in slot `hash` that matches `word` letter value by letter value (so in any case), or an empty view.
std::string_view FindKeyword(int hash, std::string_view word);

}  // namespace tips::highlight::vb
