<?php
// Shared by the two news scripts: the form check, the data file and the reply grammar.
// Replies are 8-bit text; a successful one ends with the byte 0xAF followed by "OK".

const REPLY_END = "\xAFOK";

function news_fail(string $word): void
{
    echo $word;
    exit;
}

// The news items, newest first; CONNECTIONFAIL when the data file cannot be read.
function news_items(): array
{
    $text = @file_get_contents(__DIR__ . '/news.json');
    $data = $text === false ? null : json_decode($text, true);
    if (!is_array($data) || !isset($data['news']) || !is_array($data['news'])) {
        news_fail('CONNECTIONFAIL');
    }
    $items = $data['news'];
    usort($items, fn($a, $b) => (int)$b['id'] <=> (int)$a['id']);
    return [$items, $data['products'] ?? []];
}

// Checks the fields every request carries and returns the news items.
function news_checked_request(): array
{
    [$items, $products] = news_items();
    if (($_POST['memusername'] ?? '') === '') {
        news_fail('INVALIDUSER');
    }
    if (($_POST['prodcode'] ?? '') === '' || !in_array($_POST['prodtype'] ?? '', $products, true)) {
        news_fail('INVALIDPRODUCT');
    }
    return $items;
}

// A news item as the program's list reads it: news id, title and date joined by "^".
function news_line(array $item): string
{
    return $item['id'] . '^' . $item['title'] . '^' . $item['date'];
}

// Dollar-hex escaping: every byte other than a letter, a digit or a blank becomes "$" and two
// hex digits, so the reply's separators can never appear inside the text.
function news_escape(string $text): string
{
    $out = '';
    $length = strlen($text);
    for ($i = 0; $i < $length; $i++) {
        $c = $text[$i];
        $out .= ctype_alnum($c) || $c === ' ' ? $c : sprintf('$%02X', ord($c));
    }
    return $out;
}
