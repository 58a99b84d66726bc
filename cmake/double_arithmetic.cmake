# The calculator's numbers are 64-bit floats, and the digits it shows are those of a calculation
# that rounds every step to one, as amd64, arm64, s390x and the other Debian architectures do.
# GCC for 32-bit x86 keeps intermediate results in the x87 unit's 80-bit registers instead
# (FLT_EVAL_METHOD 2), which changed the last digits of some results: log of 8 showed
# 0.903089986991944 where the doubles give ...943. There every target of the project is built to
# compute in SSE2 registers, which round each step to a double (FLT_EVAL_METHOD 0).
# -fexcess-precision=standard would not do: GCC before 13 takes it for C only, and it rounds at
# assignments and casts, not at every step. Debian's i386 baseline (i686) does not promise SSE2:
# on the few processors without it (before the Pentium 4 and the Athlon 64) the program stops with
# an illegal instruction, rather than show digits that no other machine shows.
include(CheckCXXSourceCompiles)

function(round_every_step_to_double)
    set(source [=[
#include <cfloat>
#if FLT_EVAL_METHOD != 0
#error "intermediate results keep more precision than their type"
#endif
int main() { return 0; }
]=])
    check_cxx_source_compiles("${source}" TALLOMAT_ROUNDS_EVERY_STEP)
    if(TALLOMAT_ROUNDS_EVERY_STEP)
        return()
    endif()
    set(flags -msse2 -mfpmath=sse)
    list(JOIN flags " " CMAKE_REQUIRED_FLAGS)
    check_cxx_source_compiles("${source}" TALLOMAT_ROUNDS_EVERY_STEP_WITH_SSE2)
    if(TALLOMAT_ROUNDS_EVERY_STEP_WITH_SSE2)
        add_compile_options(${flags})
    else()
        message(WARNING "This compiler keeps intermediate results with more precision than a "
                        "double, and no known flag stops it: some results may differ in their "
                        "last digits from those on amd64.")
    endif()
endfunction()
