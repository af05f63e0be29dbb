#!/usr/bin/env bash
# Writes the seed corpus of each fuzz harness into fuzz/corpus/<harness>/.
# Run again after changing a seed; the files are committed.
#
# The number harnesses read the first byte as the encoding of the rest:
# '8' (even) for UTF-8, 'U' (odd) for UTF-16 little-endian.
# The command harness reads Text1 .. Text12 separated by '|'.
set -euo pipefail
mkdir -p "$(dirname "$0")/corpus"
cd "$(dirname "$0")/corpus"

seed() { # directory, name, bytes (printf format)
    mkdir -p "$1"
    # The bytes are written as a printf format, for their \t and \xNN escapes.
    # shellcheck disable=SC2059
    printf -- "$3" >"$1/$2"
}

# UTF-16 little-endian of an ASCII text, after the 'U' mode byte.
utf16() { # directory, name, text
    mkdir -p "$1"
    {
        printf 'U'
        printf -- "%s" "$3" | iconv -f UTF-8 -t UTF-16LE
    } >"$1/$2"
}

d=fuzz_strict_number
seed $d hc '82.168255'
seed $d comma_hco '80,8879251'
seed $d groups_full_stop '812,345,678.9'
seed $d groups_comma '81.000,0e-2'
seed $d blanks_sign_exponent '8 -3.5e-2 '
seed $d plus_exponent '8+1E+07'
seed $d too_large_single '81e40'
seed $d single_max '83.4028235e38'
seed $d too_large_double '81e400'
seed $d underflow '81e-46'
seed $d huge_exponent '81e99999999999999999999'
seed $d empty '8'
seed $d pasted_tab '810\t'
seed $d pasted_line_break '810\r\n'
seed $d no_break_space '8\xc2\xa010'
seed $d ideographic_space '810\xe3\x80\x80'
seed $d group_after_zero '80,950'
seed $d grouped_weir_height '81,005'
seed $d zero '80'
seed $d negative_zero '8-0'
seed $d fraction_only '8.5'
seed $d no_fraction '85.'
seed $d separator_only '8.'
seed $d short_group '81,23'
seed $d hex '80x10'
seed $d bare_exponent '81e'
seed $d double_sign '8--1'
seed $d inner_blank '8 1 2'
seed $d tab '8\t1.5'
seed $d arabic_digits '8\xd9\xa1\xd9\xa2'
seed $d bad_utf8 '8\xff\xfe1'
seed $d largest_exponent '81e9223372036854775807'
seed $d smallest_exponent '80.001e-9223372036854775807'
utf16 $d utf16_comma '2,5'
utf16 $d utf16_groups '1.000,5'
seed $d utf16_lone_surrogate 'U\x00\xd8\x31\x00'

d=fuzz_leading_number
seed $d unit_suffix '83.5m'
seed $d letters '8abc'
seed $d comma '83,5'
seed $d scattered_blanks '8 1 2 . 5 e 3'
seed $d tab_line_feed '8\t-\n4'
seed $d overflow '81e400'
seed $d underflow '8-1e-400'
seed $d subnormal '81e-310'
seed $d exponent_without_mantissa '8.e5'
seed $d signed_fraction '8+.5E-3x'
seed $d exponent_without_digits '81e+'
seed $d empty '8'
seed $d zero '80'
seed $d largest_exponent '81e9223372036854775807'
seed $d exponent_beyond_magnitude_range '80e-8166666661661066610'
seed $d long_mantissa '80.000000000000000000000000000000000000001e40'
utf16 $d utf16_unit '3.5m'

d=fuzz_commands
seed $d remote_presets '10|3|5|1|3'
seed $d remote_worked '10|3|5|1|3|0.95||||1.05'
seed $d submerged '10|3|5|1|6|0.95'
seed $d high_dam '20|4|10|2|5|0.9||||1.05'
seed $d small_weir '3|1.5|4|0.5|2|0.95'
seed $d large_flood '45|8|25|3|9|1'
seed $d no_extra_submergence '7.5|2.2|3.3|0.8|2.5|0.92||||1'
seed $d comma_worked '10|3|5|1|3|0,95||||1,05'
seed $d comma_deep_tailwater '7,5|2,2|3,3|0,8|3,9|0,92'
seed $d comma_grouped_blanks ' 20 |4,0|1.000,0e-2|2|5|0,9'
seed $d exponents '1e1|3e0|5|1E0|3|9.5e-1||||1.05E0'
seed $d small_discharge_high_weir '0.2|12|40|0|0.1|0.85||||1.15'
seed $d large_discharge_low_weir '60|0.2|0.3|4|30|1||||1'
seed $d hand_edited_hc '10|3|5|1|3|0.95|2.5|||1.05'
seed $d zero_discharge '0|3|5|1|3'
seed $d zero_heads '10|0|0|0|3'
seed $d zero_phi '10|3|5|1|3|0'
seed $d negative_discharge '-10|3|5|1|3'
seed $d too_large '1e40|3|5|1|3'
seed $d comma_heads '10|3,5|5,5|1,5|3|0,95||||1,05'
seed $d grouped_weir_height '10|3|1,005|1|3'
seed $d supercritical_tailwater '12.16|5.35|8.65|0.95|0.17|0.95||||1.05'
seed $d critical_typed '10|3|5|1|4.36829'
seed $d impossible_phi '10|3|5|1|3|1.5'
seed $d low_submergence '10|3|5|1|3|0.95||||0.9'
seed $d pasted '10\t|3\r\n|\xc2\xa05|1\xe3\x80\x80|3'
seed $d tiny_tailwater '10|3|5|1|1e-40'
seed $d largest_exponent '1e9223372036854775807|3|5|1|3'
seed $d signs '+10|+3|-5|-1|+3'
seed $d letters '10m|3m|5|1|3'
seed $d empty ''
seed $d zero '0'
seed $d all_blank '|||||||||||'
seed $d all_fields '10|3|5|1|3|0.95|2.168255|0.8879251|4.36829|1.05|1.466713|18.55----21.2'
