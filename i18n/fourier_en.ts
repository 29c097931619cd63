<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CirclesView</name>
    <message>
        <source>t, рад</source>
        <translation>t, rad</translation>
    </message>
    <message>
        <source>f — сигнал</source>
        <translation>f — signal</translation>
    </message>
    <message>
        <source>%1 — высота конца цепочки</source>
        <translation>%1 — height of the chain’s tip</translation>
    </message>
    <message>
        <source>Частичная сумма S&lt;sub&gt;k&lt;/sub&gt; — цепочка вращающихся окружностей: гармоника j — радиус-вектор длиной A&lt;sub&gt;j&lt;/sub&gt;, повёрнутый от вертикали на угол jt − φ&lt;sub&gt;j&lt;/sub&gt;; цепочка начинается на высоте среднего a&lt;sub&gt;0&lt;/sub&gt;/2. Высота конца цепочки — S&lt;sub&gt;k&lt;/sub&gt;(t); справа она же за период рядом с сигналом f, в том же масштабе.</source>
        <translation>The partial sum S&lt;sub&gt;k&lt;/sub&gt; as a chain of rotating circles: harmonic j is a radius vector of length A&lt;sub&gt;j&lt;/sub&gt;, turned from the vertical by the angle jt − φ&lt;sub&gt;j&lt;/sub&gt;; the chain starts at the height of the mean a&lt;sub&gt;0&lt;/sub&gt;/2. The height of the chain’s tip is S&lt;sub&gt;k&lt;/sub&gt;(t); on the right the same over a period, beside the signal f, on the same scale.</translation>
    </message>
    <message>
        <source>Время t за период</source>
        <translation>Time t within the period</translation>
    </message>
    <message>
        <source>по частоте</source>
        <translation>by frequency</translation>
    </message>
    <message>
        <source>по величине</source>
        <translation>by size</translation>
    </message>
    <message>
        <source>Порядок окружностей</source>
        <translation>Order of the circles</translation>
    </message>
    <message>
        <source>Порядок:</source>
        <translation>Order:</translation>
    </message>
    <message>
        <source>Окружности</source>
        <translation>Circles</translation>
    </message>
    <message>
        <source>Радиус-векторы</source>
        <translation>Radius vectors</translation>
    </message>
    <message>
        <source>k = %1;  t = %2 рад;  высота конца цепочки S%3(t) = %4</source>
        <translation>k = %1;  t = %2 rad;  height of the chain’s tip S%3(t) = %4</translation>
    </message>
    <message>
        <source>❚❚ Пауза</source>
        <translation>❚❚ Pause</translation>
    </message>
    <message>
        <source>▶ Пуск</source>
        <translation>▶ Play</translation>
    </message>
    <message>
        <source>Остановить вращение</source>
        <translation>Stop the rotation</translation>
    </message>
    <message>
        <source>Вращать окружности: период за %1 с</source>
        <translation>Rotate the circles: one period in %1 s</translation>
    </message>
</context>
<context>
    <name>CoefficientView</name>
    <message>
        <source>Откуда берётся столбик k главного окна: подынтегральная функция f(x)·cos kx (или sin kx, как у последней гармоники главного окна; штрихи, левая ось) и накопленный интеграл (1/π)∫&lt;sub&gt;−π&lt;/sub&gt;&lt;sup&gt;x&lt;/sup&gt; f(t)·cos kt dt (правая ось). В x = π он равен коэффициенту a&lt;sub&gt;k&lt;/sub&gt; (b&lt;sub&gt;k&lt;/sub&gt;), а столбик равен √512/2·a&lt;sub&gt;k&lt;/sub&gt; ≈ 11,31·a&lt;sub&gt;k&lt;/sub&gt;.</source>
        <translation>Where bar k of the main window comes from: the integrand f(x)·cos kx (or sin kx, as the main window’s last harmonic; hatched, left axis) and the running integral (1/π)∫&lt;sub&gt;−π&lt;/sub&gt;&lt;sup&gt;x&lt;/sup&gt; f(t)·cos kt dt (right axis). At x = π it equals the coefficient a&lt;sub&gt;k&lt;/sub&gt; (b&lt;sub&gt;k&lt;/sub&gt;), and the bar equals √512/2·a&lt;sub&gt;k&lt;/sub&gt; ≈ 11.31·a&lt;sub&gt;k&lt;/sub&gt;.</translation>
    </message>
    <message>
        <source>x, рад</source>
        <translation>x, rad</translation>
    </message>
    <message>
        <source>подынтегральная функция, в единицах сигнала</source>
        <translation>integrand, in signal units</translation>
    </message>
    <message>
        <source>накопленный интеграл, в единицах сигнала</source>
        <translation>running integral, in signal units</translation>
    </message>
    <message>
        <source>%1 = %2 (конец интеграла);  столбик %3 = %4 = √512/2 · %5%6</source>
        <translation>%1 = %2 (end of the integral);  bar %3 = %4 = √512/2 · %5%6</translation>
    </message>
    <message>
        <source>  (в главном окне «Не рисовать»: показан cos)</source>
        <translation>  (“Don’t draw” in the main window: cos shown)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: fourier [--language ru|en] [--seed ЧИСЛО] [ФАЙЛ.fourier]
  ФАЙЛ.fourier        открыть урок или сохранённый сигнал
  --language ru|en    язык программы на этот запуск (русский или English)
  --seed ЧИСЛО        зерно раундов игры «Угадай сигнал» (одно на весь класс)
  --help              эта справка
</source>
        <translation>Usage: fourier [--language ru|en] [--seed NUMBER] [FILE.fourier]
  FILE.fourier        open a lesson or a saved signal
  --language ru|en    the program’s language for this run (Russian or English)
  --seed NUMBER       seed of the rounds of the game “Guess the signal” (one for the whole class)
  --help              this help
</translation>
    </message>
    <message>
        <source>--language: «%1» — известны ru (русский) и en (English)</source>
        <translation>--language: “%1” is unknown; the languages are ru (Russian) and en (English)</translation>
    </message>
    <message>
        <source>--seed: «%1» — не целое число от 0 до 18446744073709551615</source>
        <translation>--seed: “%1” is not a whole number from 0 to 18446744073709551615</translation>
    </message>
    <message>
        <source>--seed: не указано число</source>
        <translation>--seed: the number is missing</translation>
    </message>
    <message>
        <source>--language: не указан язык (ru или en)</source>
        <translation>--language: the language is missing (ru or en)</translation>
    </message>
    <message>
        <source>Неизвестный параметр «%1»; fourier --help перечисляет параметры</source>
        <translation>Unknown option “%1”; fourier --help lists the options</translation>
    </message>
    <message>
        <source>Открыть можно один файл, а указаны «%1» и «%2»</source>
        <translation>Only one file can be opened, but “%1” and “%2” are given</translation>
    </message>
</context>
<context>
    <name>ConvergenceView</name>
    <message>
        <source>Как S&lt;sub&gt;k&lt;/sub&gt; сходится к сигналу при k = 0…255: сверху СКО f − S&lt;sub&gt;k&lt;/sub&gt; по 512 отсчётам (логарифмическая шкала), в середине доля энергии сигнала в гармониках 0…k (равенство Парсеваля), внизу выброс S&lt;sub&gt;k&lt;/sub&gt; у скачка в % скачка, найденный между отсчётами (пунктир — предел непрерывного ряда 8,95 %). Коэффициенты взяты из 512 отсчётов, а не из непрерывного сигнала (наложение частот), поэтому к k = 255 выброс растёт.</source>
        <translation>How S&lt;sub&gt;k&lt;/sub&gt; converges to the signal for k = 0…255: at the top the RMS error of f − S&lt;sub&gt;k&lt;/sub&gt; over 512 samples (logarithmic scale), in the middle the share of the signal’s energy in harmonics 0…k (Parseval’s identity), at the bottom the overshoot of S&lt;sub&gt;k&lt;/sub&gt; at the jump in % of the jump, found between the samples (dashed: the limit of the continuous series, 8.95 %). The coefficients come from 512 samples, not from the continuous signal (aliasing), so the overshoot grows towards k = 255.</translation>
    </message>
    <message>
        <source>СКО f − Sₖ</source>
        <translation>RMS error f − Sₖ</translation>
    </message>
    <message>
        <source>энергия 0…k, %</source>
        <translation>energy 0…k, %</translation>
    </message>
    <message>
        <source>выброс, % скачка</source>
        <translation>overshoot, % of jump</translation>
    </message>
    <message>
        <source>k (номер гармоники)</source>
        <translation>k (harmonic number)</translation>
    </message>
    <message>
        <source>у этого сигнала нет скачка (он не из двух уровней)</source>
        <translation>this signal has no jump (it is not made of two levels)</translation>
    </message>
    <message>
        <source>k = %1:  СКО f − %2 = %3;  энергия гармоник 0…%1: %4 %;  выброс %2: %5</source>
        <translation>k = %1:  RMS error f − %2 = %3;  energy of harmonics 0…%1: %4 %;  overshoot of %2: %5</translation>
    </message>
    <message>
        <source>— (нет скачка)</source>
        <translation>— (no jump)</translation>
    </message>
    <message>
        <source>— (S₀ — среднее)</source>
        <translation>— (S₀ is the mean)</translation>
    </message>
    <message>
        <source>%1 % скачка</source>
        <translation>%1 % of the jump</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>Не удалось сохранить файл «%1»: %2</source>
        <translation>Could not save the file “%1”: %2</translation>
    </message>
    <message>
        <source>нет прав на запись в папку</source>
        <translation>no permission to write to the folder</translation>
    </message>
    <message>
        <source>папка на диске только для чтения</source>
        <translation>the folder is on a read-only disk</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>в пути к файлу стоит файл, а не папка</source>
        <translation>the path to the file contains a file, not a folder</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка</source>
        <translation>there is already a folder with this name</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>файл превышает разрешённый размер</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation>disk input/output error</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>ошибка записи звука: %1</source>
        <translation>error writing the sound: %1</translation>
    </message>
</context>
<context>
    <name>FormulaFrontEnd</name>
    <message>
        <source>русская буква «%1» заменена латинской %2</source>
        <translation>Russian letter “%1” replaced with the Latin %2</translation>
    </message>
    <message>
        <source>десятичная запятая: «%1» понято как «%2»</source>
        <translation>decimal comma: “%1” read as “%2”</translation>
    </message>
    <message>
        <source>число «%1» слишком велико: больше 10³⁰⁸ компьютер не считает</source>
        <translation>the number “%1” is too large: the computer cannot count beyond 10³⁰⁸</translation>
    </message>
    <message>
        <source>запятая не на месте: она отделяет дробную часть и стоит между цифрами, например 2,5</source>
        <translation>misplaced comma: it separates the fraction and stands between digits, e.g. 2,5</translation>
    </message>
    <message>
        <source>дробную часть отделяют точкой: пишите 2.5, а не 2,5</source>
        <translation>the fraction is separated by a point: write 2.5, not 2,5</translation>
    </message>
    <message>
        <source>русская буква «%1»: в формуле пишут латинскими буквами (x, sin, cos, tg, ln)</source>
        <translation>Russian letter “%1”: a formula is written in Latin letters (x, sin, cos, tg, ln)</translation>
    </message>
    <message>
        <source>недопустимый невидимый символ</source>
        <translation>invalid invisible character</translation>
    </message>
    <message>
        <source>недопустимый символ «%1»</source>
        <translation>invalid character “%1”</translation>
    </message>
    <message>
        <source>пробел внутри числа</source>
        <translation>space inside a number</translation>
    </message>
    <message>
        <source>пробел внутри имени «%1»</source>
        <translation>space inside the name “%1”</translation>
    </message>
    <message>
        <source>после «%1» нужна «(»</source>
        <translation>“%1” must be followed by “(”</translation>
    </message>
    <message>
        <source>между «%1» и «%2» пропущен знак операции</source>
        <translation>missing operator between “%1” and “%2”</translation>
    </message>
    <message>
        <source>минус: «%1» понято как «%2»</source>
        <translation>minus: “%1” read as “%2”</translation>
    </message>
</context>
<context>
    <name>Fourier::BuildUpPane</name>
    <message>
        <source>Строить сумму гармоника за гармоникой</source>
        <translation>Build the sum harmonic by harmonic</translation>
    </message>
    <message>
        <source>Построение</source>
        <translation>Build-up</translation>
    </message>
    <message>
        <source>◀ Шаг</source>
        <translation>◀ Step</translation>
    </message>
    <message>
        <source>На гармонику меньше</source>
        <translation>One harmonic fewer</translation>
    </message>
    <message>
        <source>Шаг ▶</source>
        <translation>Step ▶</translation>
    </message>
    <message>
        <source>На гармонику больше</source>
        <translation>One harmonic more</translation>
    </message>
    <message>
        <source> шаг/с</source>
        <translation> step/s</translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <source>до гармоники</source>
        <translation>up to harmonic</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>Fourier::CoefficientBars</name>
    <message>
        <source>aₖ (cos) и bₖ (sin)</source>
        <translation>aₖ (cos) and bₖ (sin)</translation>
    </message>
    <message>
        <source>фаза φₖ</source>
        <translation>phase φₖ</translation>
    </message>
    <message>
        <source>амплитуда Aₖ</source>
        <translation>amplitude Aₖ</translation>
    </message>
</context>
<context>
    <name>Fourier::CoefficientPane</name>
    <message>
        <source>Сигнал из коэффициентов гармоник 1–32</source>
        <translation>Signal from the coefficients of harmonics 1–32</translation>
    </message>
    <message>
        <source>Коэффициенты</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>cos и sin</source>
        <translation>cos and sin</translation>
    </message>
    <message>
        <source>Амплитуда и фаза</source>
        <translation>Amplitude and phase</translation>
    </message>
    <message>
        <source>cos и sin — столбики aₖ и bₖ; амплитуда и фаза — Aₖ и φₖ: aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ)</source>
        <translation>cos and sin: bars aₖ and bₖ; amplitude and phase: Aₖ and φₖ: aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ)</translation>
    </message>
    <message>
        <source>Из главного окна</source>
        <translation>From main window</translation>
    </message>
    <message>
        <source>С нуля</source>
        <translation>From zero</translation>
    </message>
    <message>
        <source>Вид: </source>
        <translation>Show: </translation>
    </message>
    <message>
        <source>Тяните столбик мышью вверх или вниз. ←/→ — выбрать столбик, ↑/↓ — изменить (PageUp/PageDown — крупнее, Delete — обнулить). aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ).</source>
        <translation>Drag a bar up or down with the mouse. ←/→ select a bar, ↑/↓ change it (PageUp/PageDown in larger steps, Delete sets it to zero). aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ).</translation>
    </message>
    <message>
        <source>   среднее a₀/2 = </source>
        <translation>   mean a₀/2 = </translation>
    </message>
</context>
<context>
    <name>Fourier::DrawPane</name>
    <message>
        <source>С клавиатуры: ←, → — курсор на отсчёт (с Ctrl, PageUp, PageDown — на 16), Home, End — к краям; ↑, ↓ — значение; Пробел — начало отрезка, следующий Пробел рисует отрезок до курсора; Enter — закончить. Ctrl+Delete — очистить, Ctrl+M — взять из главного окна.</source>
        <translation>Keyboard: ←, → move the cursor by one sample (with Ctrl, PageUp, PageDown by 16), Home, End to the ends; ↑, ↓ change the value; Space starts a segment, the next Space draws the segment to the cursor; Enter finishes. Ctrl+Delete clears, Ctrl+M takes the main window&apos;s signal.</translation>
    </message>
    <message>
        <source>отрезок</source>
        <translation>segment</translation>
    </message>
    <message>
        <source>Курсор клавиатуры появится, когда рисунок получит фокус.</source>
        <translation>The keyboard cursor appears when the drawing has the focus.</translation>
    </message>
    <message>
        <source>Курсор: отсчёт %1, x = %2, значение %3 (шаг ↑↓ %4)</source>
        <translation>Cursor: sample %1, x = %2, value %3 (↑↓ step %4)</translation>
    </message>
    <message>
        <source>; отрезок от x = %1, значение %2</source>
        <translation>; segment from x = %1, value %2</translation>
    </message>
    <message>
        <source>Отменить %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Повторить %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Нарисовать</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Взять из главного окна</source>
        <translation>Take from main window</translation>
    </message>
    <message>
        <source>Рисуйте левой кнопкой мыши: штрих заменяет отсчёты, над которыми проходит. Правая кнопка — очистить; Ctrl+Z — отменить, Ctrl+Shift+Z — повторить.</source>
        <translation>Draw with the left mouse button: a stroke replaces the samples it passes over. Right button clears; Ctrl+Z undoes, Ctrl+Shift+Z redoes.</translation>
    </message>
    <message>
        <source>очистку</source>
        <translation>clearing</translation>
    </message>
    <message>
        <source>взятие сигнала главного окна</source>
        <translation>taking the main window&apos;s signal</translation>
    </message>
    <message>
        <source>открытие файла</source>
        <translation>opening a file</translation>
    </message>
    <message>
        <source>штрих</source>
        <translation>stroke</translation>
    </message>
    <message>
        <source>урок</source>
        <translation>lesson</translation>
    </message>
</context>
<context>
    <name>Fourier::FormulaPane</name>
    <message>
        <source>формула от x, например x^2</source>
        <translation>a formula in x, e.g. x^2</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Примеры…</source>
        <translation>Examples…</translation>
    </message>
    <message>
        <source>Следовать за главным окном</source>
        <translation>Follow the main window</translation>
    </message>
    <message>
        <source>f(x) =</source>
        <translation>f(x) =</translation>
    </message>
    <message>
        <source>Своя функция: f(x) = %1</source>
        <translation>Own function: f(x) = %1</translation>
    </message>
    <message>
        <source>Понято как: %1 (%2)</source>
        <translation>Read as: %1 (%2)</translation>
    </message>
    <message>
        <source>пила</source>
        <translation>sawtooth</translation>
    </message>
    <message>
        <source>парабола</source>
        <translation>parabola</translation>
    </message>
    <message>
        <source>выпрямленный синус</source>
        <translation>rectified sine</translation>
    </message>
    <message>
        <source>сумма трёх гармоник</source>
        <translation>sum of three harmonics</translation>
    </message>
    <message>
        <source>Можно: числа (2,5 или 2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.</source>
        <translation>Allowed: numbers (2,5 or 2.5), x, + - * / ^, brackets, sin( ) cos( ) tg( ) ln( ); a leading minus (-x^2, 2*-x); spaces between parts.</translation>
    </message>
    <message>
        <source>Можно: числа (2.5), x, + - * / ^, скобки, sin( ) cos( ) tg( ) ln( ); минус впереди (-x^2, 2*-x); пробелы между частями.</source>
        <translation>Allowed: numbers (2.5), x, + - * / ^, brackets, sin( ) cos( ) tg( ) ln( ); a leading minus (-x^2, 2*-x); spaces between parts.</translation>
    </message>
    <message>
        <source>папка недоступна для записи или на диске нет места</source>
        <translation>the folder cannot be written to or the disk is full</translation>
    </message>
    <message>
        <source>%1. Формула построена, но после перезапуска программы её не будет в списке прежних формул</source>
        <translation>%1. The formula is built, but after the program restarts it will not be in the list of earlier formulas</translation>
    </message>
</context>
<context>
    <name>Fourier::GamePane</name>
    <message>
        <source>гармоника %1</source>
        <translation>harmonic %1</translation>
    </message>
    <message>
        <source>гармоники %1 и %2</source>
        <translation>harmonics %1 and %2</translation>
    </message>
    <message>
        <source>Угадай сигнал</source>
        <translation>Guess the signal</translation>
    </message>
    <message>
        <source>&amp;Уровень:</source>
        <translation>&amp;Game level:</translation>
    </message>
    <message>
        <source>Одно и то же зерно даёт одни и те же раунды: введите число и нажмите Enter, чтобы начать заново</source>
        <translation>The same seed gives the same rounds: type a number and press Enter to start again</translation>
    </message>
    <message>
        <source>&amp;Зерно:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>Сто&amp;лбики:</source>
        <translation>&amp;Bars:</translation>
    </message>
    <message>
        <source>aₖ и bₖ</source>
        <translation>aₖ and bₖ</translation>
    </message>
    <message>
        <source>Aₖ и φₖ</source>
        <translation>Aₖ and φₖ</translation>
    </message>
    <message>
        <source>П&amp;роверить</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Сравнить свой сигнал с целью (Enter)</source>
        <translation>Compare your signal with the target (Enter)</translation>
    </message>
    <message>
        <source>По&amp;казать ответ</source>
        <translation>Show &amp;answer</translation>
    </message>
    <message>
        <source>Показать коэффициенты цели; раунд не засчитывается</source>
        <translation>Show the target’s coefficients; the round does not count</translation>
    </message>
    <message>
        <source>&amp;Следующий раунд</source>
        <translation>&amp;Next round</translation>
    </message>
    <message>
        <source>Новая цель того же уровня</source>
        <translation>A new target of the same level</translation>
    </message>
    <message>
        <source>▶ &amp;Цель</source>
        <translation>▶ &amp;Target</translation>
    </message>
    <message>
        <source>Послушать цель; ещё раз — остановить</source>
        <translation>Listen to the target; press again to stop</translation>
    </message>
    <message>
        <source>▶ &amp;Мой сигнал</source>
        <translation>▶ &amp;My signal</translation>
    </message>
    <message>
        <source>Послушать свой сигнал; ещё раз — остановить</source>
        <translation>Listen to your signal; press again to stop</translation>
    </message>
    <message>
        <source>←/→ — выбрать столбик, ↑/↓ — изменить на 0,01, PageUp/PageDown — на 0,1, Delete — обнулить; Enter — проверить.</source>
        <translation>←/→ choose a bar, ↑/↓ change it by 0.01, PageUp/PageDown by 0.1, Delete set it to zero; Enter checks.</translation>
    </message>
    <message>
        <source>Сложите сигнал столбиками и нажмите «Проверить» (Enter).</source>
        <translation>Build the signal with the bars and press “Check” (Enter).</translation>
    </message>
    <message>
        <source>Раунд %1. %2</source>
        <translation>Round %1. %2</translation>
    </message>
    <message>
        <source> Подсказка: %1.</source>
        <translation> Hint: %1.</translation>
    </message>
    <message>
        <source>Совпало, но ответ был показан: раунд не засчитан.</source>
        <translation>A match, but the answer was shown: the round does not count.</translation>
    </message>
    <message>
        <source>Ответ: %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>Ответ: %1 — этот раунд не засчитывается.</source>
        <translation>Answer: %1 — this round does not count.</translation>
    </message>
</context>
<context>
    <name>Fourier::GamePlot</name>
    <message>
        <source>Цель</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Цель — только на слух</source>
        <translation>Target — by ear only</translation>
    </message>
    <message>
        <source>Мой сигнал</source>
        <translation>My signal</translation>
    </message>
</context>
<context>
    <name>Fourier::HarmonicMaskPane</name>
    <message>
        <source>Клавиши 1…9, 0 — выключить или включить гармонику 1…10; Shift+цифра — соло.</source>
        <translation>Keys 1…9, 0 mute or unmute harmonic 1…10; Shift+digit solos it.</translation>
    </message>
    <message>
        <source>Выключить и соло</source>
        <translation>Mute and solo</translation>
    </message>
    <message>
        <source>Выключить</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Соло</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>Выключить гармонику %1</source>
        <translation>Mute harmonic %1</translation>
    </message>
    <message>
        <source>Слушать и смотреть только гармонику %1 (и другие с соло)</source>
        <translation>Hear and see only harmonic %1 (and the other soloed ones)</translation>
    </message>
    <message>
        <source>Включить все</source>
        <translation>Unmute all</translation>
    </message>
    <message>
        <source>Соло гармоники %1</source>
        <translation>Solo harmonic %1</translation>
    </message>
    <message>
        <source>
С соло звучат и видны только гармоники с соло (соло сильнее выключения); гармоники выше 32 при соло молчат.</source>
        <translation>
With a solo only the soloed harmonics are heard and seen (solo overrides mute); harmonics above 32 are silent while any is soloed.</translation>
    </message>
</context>
<context>
    <name>Fourier::HelpWindow</name>
    <message>
        <source>Справка — Фурье</source>
        <translation>Help — Fourier</translation>
    </message>
</context>
<context>
    <name>Fourier::LabWindow</name>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Своя функция</source>
        <translation>Own function</translation>
    </message>
    <message>
        <source>Нарисовать</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Коэффициенты</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Гармоники</source>
        <translation>Harmonics</translation>
    </message>
    <message>
        <source>Операции</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>Круги</source>
        <translation>Circles</translation>
    </message>
    <message>
        <source>Дискретизация</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>Угадай сигнал</source>
        <translation>Guess the signal</translation>
    </message>
    <message>
        <source>не рисуется</source>
        <translation>not drawn</translation>
    </message>
    <message>
        <source>Сходимость</source>
        <translation>Convergence</translation>
    </message>
    <message>
        <source>Остаток</source>
        <translation>Residual</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Лаборатория</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>&amp;Окно</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>Следовать за главным окном</source>
        <translation>Follow the main window</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>k = %1, последняя гармоника: %2</source>
        <translation>k = %1, last harmonic: %2</translation>
    </message>
    <message>
        <source>Свой сигнал: %1; %2 (из главного окна)</source>
        <translation>Own signal: %1; %2 (from the main window)</translation>
    </message>
    <message>
        <source>Сигнал не выбран: выберите функцию в главном окне.</source>
        <translation>No signal chosen: choose a function in the main window.</translation>
    </message>
    <message>
        <source>Сигнал: %1; %2</source>
        <translation>Signal: %1; %2</translation>
    </message>
</context>
<context>
    <name>Fourier::LessonDialog</name>
    <message>
        <source>Сохранить урок</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>&amp;Название:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Задание:</source>
        <translation>T&amp;ask:</translation>
    </message>
    <message>
        <source>&amp;Скрыть у учеников:</source>
        <translation>&amp;Hide from the students:</translation>
    </message>
    <message>
        <source>Скрытое — подсказка для урока, а не защита: файл урока можно открыть и изменить.</source>
        <translation>Hiding is a teaching aid, not protection: a lesson file can be opened and changed.</translation>
    </message>
    <message>
        <source>Задание длиннее %1 знаков (сейчас %2): сократите его.</source>
        <translation>The task is longer than %1 characters (now %2): shorten it.</translation>
    </message>
</context>
<context>
    <name>Fourier::LessonKeeper</name>
    <message>
        <source>Урок или сигнал «Фурье» (*%1)</source>
        <translation>Fourier lesson or signal (*%1)</translation>
    </message>
    <message>
        <source>Файл «%1» не открыт: %2</source>
        <translation>The file “%1” was not opened: %2</translation>
    </message>
    <message>
        <source>урок</source>
        <translation>lesson</translation>
    </message>
    <message>
        <source>Открыть урок</source>
        <translation>Open lesson</translation>
    </message>
    <message>
        <source>Сохранить урок</source>
        <translation>Save lesson</translation>
    </message>
    <message>
        <source>Открыть урок…</source>
        <translation>Open lesson…</translation>
    </message>
    <message>
        <source>Сохранить урок…</source>
        <translation>Save lesson…</translation>
    </message>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
</context>
<context>
    <name>Fourier::OperationsPane</name>
    <message>
        <source>f(x − τ): сдвиг на долю периода, от −½ до ½ шагами по 1/64; ←/→ — на 1/64, PageUp/PageDown — на 1/8</source>
        <translation>f(x − τ): a shift by a fraction of the period, from −½ to ½ in steps of 1/64; ←/→ by 1/64, PageUp/PageDown by 1/8</translation>
    </message>
    <message>
        <source>Сдвиг во времени</source>
        <translation>Time shift</translation>
    </message>
    <message>
        <source>Обратить время: f(−x)</source>
        <translation>Reverse time: f(−x)</translation>
    </message>
    <message>
        <source>Сигнал задом наперёд: φₖ меняют знак</source>
        <translation>The signal backwards: φₖ change sign</translation>
    </message>
    <message>
        <source>Перевернуть: −f</source>
        <translation>Invert: −f</translation>
    </message>
    <message>
        <source>Каждый отсчёт с обратным знаком</source>
        <translation>Every sample with the opposite sign</translation>
    </message>
    <message>
        <source>Выпрямить: |f|</source>
        <translation>Rectify: |f|</translation>
    </message>
    <message>
        <source>Двухполупериодное выпрямление</source>
        <translation>Full-wave rectification</translation>
    </message>
    <message>
        <source>Срезать минус: max(f, 0)</source>
        <translation>Cut the negative: max(f, 0)</translation>
    </message>
    <message>
        <source>Однополупериодное выпрямление</source>
        <translation>Half-wave rectification</translation>
    </message>
    <message>
        <source>Только чётные гармоники</source>
        <translation>Even harmonics only</translation>
    </message>
    <message>
        <source>(f(x) + f(x + π))/2: среднее и гармоники 2, 4, 6, …</source>
        <translation>(f(x) + f(x + π))/2: the mean and harmonics 2, 4, 6, …</translation>
    </message>
    <message>
        <source>Только нечётные гармоники</source>
        <translation>Odd harmonics only</translation>
    </message>
    <message>
        <source>(f(x) − f(x + π))/2: гармоники 1, 3, 5, …</source>
        <translation>(f(x) − f(x + π))/2: harmonics 1, 3, 5, …</translation>
    </message>
    <message>
        <source>Ограничить</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>Отсчёты за пределами ±c становятся ±c</source>
        <translation>Samples beyond ±c become ±c</translation>
    </message>
    <message>
        <source>уровнем ±c, c =</source>
        <translation>at level ±c, c =</translation>
    </message>
    <message>
        <source>Квантовать</source>
        <translation>Quantise</translation>
    </message>
    <message>
        <source>Каждый отсчёт — к ближайшему из n уровней, поровну расставленных от наименьшего отсчёта до наибольшего</source>
        <translation>Every sample to the nearest of n levels, evenly spaced from the smallest sample to the largest</translation>
    </message>
    <message>
        <source>уровней n =</source>
        <translation>levels n =</translation>
    </message>
    <message>
        <source>Оставить гармоники 0…n</source>
        <translation>Keep harmonics 0…n</translation>
    </message>
    <message>
        <source>Фильтр нижних частот: гармоники выше n убираются</source>
        <translation>Low-pass filter: harmonics above n are removed</translation>
    </message>
    <message>
        <source>Оставить гармоники n…256</source>
        <translation>Keep harmonics n…256</translation>
    </message>
    <message>
        <source>Фильтр верхних частот: гармоники ниже n убираются, при n ≥ 1 и среднее</source>
        <translation>High-pass filter: harmonics below n are removed, and for n ≥ 1 the mean too</translation>
    </message>
    <message>
        <source>Прибавить постоянную</source>
        <translation>Add a constant</translation>
    </message>
    <message>
        <source>f + c: меняется только среднее</source>
        <translation>f + c: only the mean changes</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Отменить последний шаг операций или рисования (Ctrl+Z)</source>
        <translation>Undo the last step of the operations or the drawing (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Повторить отменённый шаг (Ctrl+Shift+Z)</source>
        <translation>Redo the undone step (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Операции меняют сигнал, который показывают вкладки лаборатории, и складываются одна за другой; результат можно подправить пером во вкладке «Нарисовать». Tab — к следующей кнопке, Enter — нажать её, ↑/↓ — изменить число в поле; Ctrl+Z — отменить, Ctrl+Shift+Z — повторить (здесь и при рисовании).</source>
        <translation>Operations change the signal the lab&apos;s tabs show and add up one after another; the result can be touched up with the pen on the “Draw” tab. Tab moves to the next button, Enter presses it, ↑/↓ change the number in a field; Ctrl+Z undoes, Ctrl+Shift+Z redoes (here and when drawing).</translation>
    </message>
    <message>
        <source>Что стало со спектром:</source>
        <translation>What happened to the spectrum:</translation>
    </message>
    <message>
        <source>Операции</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source> периода</source>
        <translation> of a period</translation>
    </message>
</context>
<context>
    <name>Fourier::PictureExport</name>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>рисунок.png</source>
        <translation>picture.png</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>данные.csv</source>
        <translation>data.csv</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>рисунок не удалось закодировать в PNG</source>
        <translation>the picture could not be encoded as PNG</translation>
    </message>
    <message>
        <source>данных для сохранения пока нет</source>
        <translation>there is no data to save yet</translation>
    </message>
</context>
<context>
    <name>Fourier::SavedWorkFile</name>
    <message>
        <source>коэффициенты.fourier</source>
        <translation>coefficients.fourier</translation>
    </message>
    <message>
        <source>сигнал.fourier</source>
        <translation>signal.fourier</translation>
    </message>
    <message>
        <source>Файл «%1»: %2</source>
        <translation>File “%1”: %2</translation>
    </message>
    <message>
        <source>слишком велик для сохранённого сигнала</source>
        <translation>too large for a saved signal</translation>
    </message>
    <message>
        <source>Сигнал «Фурье» (*%1)</source>
        <translation>“Fourier” signal (*%1)</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Открыть сигнал</source>
        <translation>Open signal</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Сохранить сигнал</source>
        <translation>Save signal</translation>
    </message>
</context>
<context>
    <name>Fourier::SoundOutput</name>
    <message>
        <source>Нет устройства вывода звука.</source>
        <translation>No sound output device.</translation>
    </message>
    <message>
        <source>Вывод звука прервался: устройство недоступно.</source>
        <translation>Sound output stopped: the device is unavailable.</translation>
    </message>
    <message>
        <source>Не удалось открыть вывод звука.</source>
        <translation>Could not open the sound output.</translation>
    </message>
</context>
<context>
    <name>Fourier::SoundPane</name>
    <message>
        <source>Звук: период, сложенный из гармоник ниже 24 кГц, звучит непрерывно; громкости сигнала, Sₖ и гармоник сравнимы между собой.</source>
        <translation>Sound: one period, summed from the harmonics below 24 kHz, plays continuously; the loudness of the signal, of Sₖ and of the harmonics can be compared.</translation>
    </message>
    <message>
        <source>Сигнал</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Играть</source>
        <translation>Play</translation>
    </message>
    <message>
        <source> с</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Сохранить звук…</source>
        <translation>Save sound…</translation>
    </message>
    <message>
        <source>Звук: ищу устройство вывода…</source>
        <translation>Sound: looking for an output device…</translation>
    </message>
    <message>
        <source>Звучит:</source>
        <translation>Playing:</translation>
    </message>
    <message>
        <source>Основной тон:</source>
        <translation>Fundamental:</translation>
    </message>
    <message>
        <source>Громкость:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Длина файла:</source>
        <translation>File length:</translation>
    </message>
    <message>
        <source>Сохранить звук</source>
        <translation>Save sound</translation>
    </message>
    <message>
        <source>звук.wav</source>
        <translation>sound.wav</translation>
    </message>
    <message>
        <source>Звук WAV (*.wav)</source>
        <translation>WAV sound (*.wav)</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Вывод звука: %1, 48 кГц.</source>
        <translation>Sound output: %1, 48 kHz.</translation>
    </message>
    <message>
        <source>Нет устройства вывода звука: звук можно только сохранить в файл.</source>
        <translation>No sound output device: the sound can only be saved to a file.</translation>
    </message>
    <message>
        <source>Частичная сумма S%1</source>
        <translation>Partial sum S%1</translation>
    </message>
    <message>
        <source>Гармоника %1 отдельно</source>
        <translation>Harmonic %1 alone</translation>
    </message>
    <message>
        <source>Звучат все гармоники сигнала, 1–255.</source>
        <translation>All harmonics of the signal play, 1–255.</translation>
    </message>
    <message>
        <source>Звучат гармоники сигнала 1–%1; выше %2 — за пределом 24 кГц.</source>
        <translation>Harmonics 1–%1 of the signal play; above %2 they lie beyond 24 kHz.</translation>
    </message>
    <message>
        <source>S%1 пуста: звучать нечему.</source>
        <translation>S%1 is empty: there is nothing to play.</translation>
    </message>
    <message>
        <source>Звучат гармоники 1–%1.</source>
        <translation>Harmonics 1–%1 play.</translation>
    </message>
    <message>
        <source>Звучат гармоники 1–%1; с %2-й они выше 24 кГц и не слышны.</source>
        <translation>Harmonics 1–%1 play; from harmonic %2 on they lie above 24 kHz and cannot be heard.</translation>
    </message>
    <message>
        <source>Гармоника 0 — постоянная составляющая: она не звучит.</source>
        <translation>Harmonic 0 is the constant component: it makes no sound.</translation>
    </message>
    <message>
        <source>Звучит гармоника %1: %2.</source>
        <translation>Harmonic %1 plays: %2.</translation>
    </message>
    <message>
        <source>Гармоника %1 выше 24 кГц: не слышна.</source>
        <translation>Harmonic %1 lies above 24 kHz: it cannot be heard.</translation>
    </message>
    <message>
        <source>%1 Гц</source>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>Fourier::TaskWindow</name>
    <message>
        <source>Задание</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>GuessGame</name>
    <message>
        <source>Одна гармоника</source>
        <translation>One harmonic</translation>
    </message>
    <message>
        <source>Цель — синусоида bₖ sin kx, |bₖ| от 0,2 до 1 через 0,1.</source>
        <translation>Target: a sine wave bₖ sin kx, |bₖ| from 0.2 to 1 in steps of 0.1.</translation>
    </message>
    <message>
        <source>Две гармоники</source>
        <translation>Two harmonics</translation>
    </message>
    <message>
        <source>Цель — две синусоиды разных гармоник с 1 по 6.</source>
        <translation>Target: two sine waves of different harmonics from 1 to 6.</translation>
    </message>
    <message>
        <source>Амплитуда и фаза</source>
        <translation>Amplitude and phase</translation>
    </message>
    <message>
        <source>Цель — гармоника aₖ cos kx + bₖ sin kx; столбики могут быть Aₖ и φₖ.</source>
        <translation>Target: a harmonic aₖ cos kx + bₖ sin kx; the bars may show Aₖ and φₖ.</translation>
    </message>
    <message>
        <source>До пяти гармоник</source>
        <translation>Up to five harmonics</translation>
    </message>
    <message>
        <source>Цель — 3–5 гармоник с 1 по 8, косинус или синус; номера не подсказаны.</source>
        <translation>Target: 3–5 harmonics from 1 to 8, cosine or sine; their numbers are not given.</translation>
    </message>
    <message>
        <source>На слух</source>
        <translation>By ear</translation>
    </message>
    <message>
        <source>Цель только звучит: 1–3 синусоиды с 1 по 5 гармонику.</source>
        <translation>The target is only heard: 1–3 sine waves, harmonics 1 to 5.</translation>
    </message>
    <message>
        <source>Нет такого уровня игры</source>
        <translation>There is no such game level</translation>
    </message>
    <message>
        <source>Раунды игры считаются с 1</source>
        <translation>Game rounds are counted from 1</translation>
    </message>
    <message>
        <source>все коэффициенты равны 0</source>
        <translation>all coefficients are 0</translation>
    </message>
    <message>
        <source>Совпало! Попыток: %1, время: %2 с</source>
        <translation>Match! Tries: %1, time: %2 s</translation>
    </message>
    <message>
        <source>Ещё не совпадает: разница %1 (нужно меньше %2)</source>
        <translation>No match yet: difference %1 (needs to be below %2)</translation>
    </message>
    <message>
        <source>1 попытка</source>
        <translation>1 try</translation>
    </message>
    <message>
        <source>%1 попыток</source>
        <translation>%1 tries</translation>
    </message>
    <message>
        <source>%1 попытка</source>
        <translation>%1 tries</translation>
    </message>
    <message>
        <source>%1 попытки</source>
        <translation>%1 tries</translation>
    </message>
    <message>
        <source>Выиграно раундов: %1</source>
        <translation>Rounds won: %1</translation>
    </message>
    <message>
        <source>%1; лучший: %2, %3 с</source>
        <translation>%1; best: %2, %3 s</translation>
    </message>
</context>
<context>
    <name>HarmonicMask</name>
    <message>
        <source>только гармоники %1 (соло)</source>
        <translation>harmonics soloed: %1</translation>
    </message>
    <message>
        <source>выключены гармоники %1</source>
        <translation>harmonics muted: %1</translation>
    </message>
</context>
<context>
    <name>LabAccessibility</name>
    <message>
        <source>Заголовок</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Какой сигнал показан и с какими настройками</source>
        <translation>Which signal is shown and with which settings</translation>
    </message>
    <message>
        <source>Вкладки лаборатории</source>
        <translation>Lab tabs</translation>
    </message>
    <message>
        <source>Виды и панели лаборатории, Ctrl+1…Ctrl+0</source>
        <translation>The lab&apos;s views and panes, Ctrl+1…Ctrl+0</translation>
    </message>
    <message>
        <source>График сходимости</source>
        <translation>Convergence plot</translation>
    </message>
    <message>
        <source>Ошибка, доля энергии и выброс частичных сумм</source>
        <translation>Error, share of energy and overshoot of the partial sums</translation>
    </message>
    <message>
        <source>График остатка</source>
        <translation>Residual plot</translation>
    </message>
    <message>
        <source>Сигнал, частичная сумма и остаток</source>
        <translation>Signal, partial sum and residual</translation>
    </message>
    <message>
        <source>График коэффициента</source>
        <translation>Coefficient plot</translation>
    </message>
    <message>
        <source>Подынтегральная функция и накопленный интеграл</source>
        <translation>Integrand and accumulated integral</translation>
    </message>
    <message>
        <source>График спектра</source>
        <translation>Spectrum plot</translation>
    </message>
    <message>
        <source>Амплитуды и фазы гармоник</source>
        <translation>Amplitudes and phases of the harmonics</translation>
    </message>
    <message>
        <source>Таблица спектра</source>
        <translation>Spectrum table</translation>
    </message>
    <message>
        <source>По строке на гармонику: k, a_k, b_k, A_k, φ_k</source>
        <translation>One row per harmonic: k, a_k, b_k, A_k, φ_k</translation>
    </message>
    <message>
        <source>Отсчёты сигнала</source>
        <translation>Signal samples</translation>
    </message>
    <message>
        <source>Сигнал и его отсчёты</source>
        <translation>The signal and its samples</translation>
    </message>
    <message>
        <source>Спектр отсчётов</source>
        <translation>Spectrum of the samples</translation>
    </message>
    <message>
        <source>Спектр взятых отсчётов</source>
        <translation>Spectrum of the samples taken</translation>
    </message>
    <message>
        <source>Отрывок</source>
        <translation>Excerpt</translation>
    </message>
    <message>
        <source>Отрывок из нескольких периодов</source>
        <translation>An excerpt of several periods</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Спектральное окно отрывка</source>
        <translation>Spectral window of the excerpt</translation>
    </message>
    <message>
        <source>Отсчётов на период</source>
        <translation>Samples per period</translation>
    </message>
    <message>
        <source>Сколько отсчётов берётся за период</source>
        <translation>How many samples are taken per period</translation>
    </message>
    <message>
        <source>Периодов в отрывке</source>
        <translation>Periods in the excerpt</translation>
    </message>
    <message>
        <source>Сколько периодов в отрывке</source>
        <translation>How many periods the excerpt holds</translation>
    </message>
    <message>
        <source>Окно отрывка</source>
        <translation>Excerpt window</translation>
    </message>
    <message>
        <source>Спектральное окно, на которое умножен отрывок</source>
        <translation>The spectral window the excerpt is multiplied by</translation>
    </message>
    <message>
        <source>Вращающиеся окружности</source>
        <translation>Rotating circles</translation>
    </message>
    <message>
        <source>Гармоники как окружности и след их суммы</source>
        <translation>Harmonics as circles and the trace of their sum</translation>
    </message>
    <message>
        <source>Время t за период</source>
        <translation>Time t within the period</translation>
    </message>
    <message>
        <source>Момент, который показывают окружности</source>
        <translation>The moment the circles show</translation>
    </message>
    <message>
        <source>Порядок окружностей</source>
        <translation>Order of the circles</translation>
    </message>
    <message>
        <source>В каком порядке окружности сложены</source>
        <translation>In which order the circles are added</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Своя функция f(x); Enter строит её</source>
        <translation>Your own function f(x); Enter builds it</translation>
    </message>
    <message>
        <source>Примеры формул</source>
        <translation>Example formulas</translation>
    </message>
    <message>
        <source>Готовые формулы на выбор</source>
        <translation>Ready-made formulas to choose from</translation>
    </message>
    <message>
        <source>Рисунок сигнала</source>
        <translation>Signal drawing</translation>
    </message>
    <message>
        <source>Поле, на котором рисуют период сигнала</source>
        <translation>The area to draw one period of the signal on</translation>
    </message>
    <message>
        <source>Столбики коэффициентов</source>
        <translation>Coefficient bars</translation>
    </message>
    <message>
        <source>Коэффициенты гармоник 1…32; стрелки меняют столбик</source>
        <translation>Coefficients of harmonics 1…32; the arrow keys change a bar</translation>
    </message>
    <message>
        <source>Ваш сигнал в коэффициентах гармоник 1…32</source>
        <translation>Your signal as coefficients of harmonics 1…32</translation>
    </message>
    <message>
        <source>График игры</source>
        <translation>Game plot</translation>
    </message>
    <message>
        <source>Цель и ваш сигнал на одном периоде</source>
        <translation>The target and your signal over one period</translation>
    </message>
    <message>
        <source>Значение столбика</source>
        <translation>Bar value</translation>
    </message>
    <message>
        <source>Значение выбранного столбика</source>
        <translation>Value of the selected bar</translation>
    </message>
    <message>
        <source>Вид столбиков</source>
        <translation>Bar type</translation>
    </message>
    <message>
        <source>a_k и b_k или A_k и φ_k</source>
        <translation>a_k and b_k, or A_k and φ_k</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Гармоник в секунду при нарастании</source>
        <translation>Harmonics per second during the build-up</translation>
    </message>
    <message>
        <source>До гармоники</source>
        <translation>Up to harmonic</translation>
    </message>
    <message>
        <source>Последняя гармоника нарастания</source>
        <translation>Last harmonic of the build-up</translation>
    </message>
    <message>
        <source>Сдвиг во времени</source>
        <translation>Time shift</translation>
    </message>
    <message>
        <source>На сколько сдвинуть сигнал</source>
        <translation>How far to shift the signal</translation>
    </message>
    <message>
        <source>Основная частота</source>
        <translation>Fundamental frequency</translation>
    </message>
    <message>
        <source>Частота первой гармоники звука</source>
        <translation>Frequency of the sound&apos;s first harmonic</translation>
    </message>
    <message>
        <source>Громкость</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Громкость звука в процентах</source>
        <translation>Sound volume in percent</translation>
    </message>
    <message>
        <source>Длина файла</source>
        <translation>File length</translation>
    </message>
    <message>
        <source>Сколько секунд звука сохранить</source>
        <translation>How many seconds of sound to save</translation>
    </message>
    <message>
        <source>Уровень</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Уровень игры</source>
        <translation>Game level</translation>
    </message>
    <message>
        <source>Зерно</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>Число, из которого выбирается цель</source>
        <translation>The number the target is chosen from</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Движок</source>
        <translation>Slider</translation>
    </message>
    <message>
        <source>Числовое поле</source>
        <translation>Number field</translation>
    </message>
    <message>
        <source>Список выбора</source>
        <translation>Drop-down list</translation>
    </message>
    <message>
        <source>Поле ввода</source>
        <translation>Input field</translation>
    </message>
    <message>
        <source>Флажок</source>
        <translation>Check box</translation>
    </message>
    <message>
        <source>Переключатель</source>
        <translation>Radio button</translation>
    </message>
    <message>
        <source>Кнопка</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>Пояснение</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Заголовки таблицы</source>
        <translation>Table headers</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Вкладки</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Разделённая область</source>
        <translation>Split area</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Прокручиваемая область</source>
        <translation>Scroll area</translation>
    </message>
    <message>
        <source>Рамка</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Панель</source>
        <translation>Pane</translation>
    </message>
    <message>
        <source>Вкладка «%1»</source>
        <translation>Tab “%1”</translation>
    </message>
    <message>
        <source>Что показано: последний анализ или синтез</source>
        <translation>What is shown: the last analysis or synthesis</translation>
    </message>
    <message>
        <source>Сигнал не измерить: значения слишком велики или не конечны</source>
        <translation>The signal cannot be measured: its values are too large or not finite</translation>
    </message>
</context>
<context>
    <name>LabLauncher</name>
    <message>
        <source>Лаборатория не загружена: нет файла %1.</source>
        <translation>The lab was not loaded: there is no file %1.</translation>
    </message>
    <message>
        <source>Лаборатория не загружена: %1</source>
        <translation>The lab was not loaded: %1</translation>
    </message>
    <message>
        <source>Лаборатория…</source>
        <translation>Lab…</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
</context>
<context>
    <name>LabView</name>
    <message>
        <source>Значения сигнала слишком велики (больше 10¹⁵⁰ по модулю) или не конечны: их энергию и ошибку приближения не сосчитать, и здесь ничего не показано.</source>
        <translation>The signal’s values are too large (above 10¹⁵⁰ in magnitude) or not finite: their energy and the approximation error cannot be computed, so nothing is shown here.</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>значения разделяются ровно одним пробелом</source>
        <translation>values are separated by exactly one space</translation>
    </message>
    <message>
        <source>%1 %2 записан неверно: нужны только цифры, без знака и ведущих нулей</source>
        <translation>%1 %2 is written wrongly: only digits are allowed, with no sign and no leading zeros</translation>
    </message>
    <message>
        <source>%1 %2 вне пределов %3..%4</source>
        <translation>%1 %2 is outside %3..%4</translation>
    </message>
    <message>
        <source>%1 или %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>у %1 значение %2, а ожидается %3</source>
        <translation>%1 has the value %2, but %3 is expected</translation>
    </message>
    <message>
        <source>заголовок</source>
        <translation>the title</translation>
    </message>
    <message>
        <source>в заголовке</source>
        <translation>in the title</translation>
    </message>
    <message>
        <source>задание</source>
        <translation>the task</translation>
    </message>
    <message>
        <source>в задании</source>
        <translation>in the task</translation>
    </message>
    <message>
        <source>формула</source>
        <translation>the formula</translation>
    </message>
    <message>
        <source>в формуле</source>
        <translation>in the formula</translation>
    </message>
    <message>
        <source>%1 не в кодировке UTF-8</source>
        <translation>%1 is not in UTF-8 encoding</translation>
    </message>
    <message>
        <source>%1 управляющий символ с кодом %2: перенос строки пишется как «\n»</source>
        <translation>control character with code %2 %1: a line break is written as “\n”</translation>
    </message>
    <message>
        <source>%1 не может быть переноса строки «\n»</source>
        <translation>no line break “\n” is allowed %1</translation>
    </message>
    <message>
        <source>неизвестная замена %1: в тексте пишутся только «\n» (перенос строки) и «\\» (обратная косая черта)</source>
        <translation>unknown escape %1: a text may contain only “\n” (line break) and “\\” (backslash)</translation>
    </message>
    <message>
        <source>%1 длиннее %2 знаков (длина %3)</source>
        <translation>%1 is longer than %2 characters (length %3)</translation>
    </message>
    <message>
        <source>в %1 должно быть %2 чисел через пробел, а найдено %3</source>
        <translation>%1 must hold %2 numbers separated by spaces, but %3 were found</translation>
    </message>
    <message>
        <source>Строка %1, число %2: </source>
        <translation>Line %1, number %2: </translation>
    </message>
    <message>
        <source>номер гармоники</source>
        <translation>harmonic number</translation>
    </message>
    <message>
        <source>гармоника %1 в %2 названа дважды</source>
        <translation>harmonic %1 is named twice in %2</translation>
    </message>
    <message>
        <source>гармоники в %1 идут по возрастанию, а %2 стоит после %3</source>
        <translation>harmonics in %1 go in ascending order, but %2 comes after %3</translation>
    </message>
    <message>
        <source>номер формы сигнала</source>
        <translation>waveform number</translation>
    </message>
    <message>
        <source>в %1 должно быть 3 числа через пробел, а найдено %2</source>
        <translation>%1 must hold 3 numbers separated by spaces, but %2 were found</translation>
    </message>
    <message>
        <source>положение ползунка %1</source>
        <translation>position of slider %1</translation>
    </message>
    <message>
        <source>%1 — не вкладка лаборатории</source>
        <translation>%1 is not a tab of the lab</translation>
    </message>
    <message>
        <source>%1 — не элемент окна, который урок может скрыть</source>
        <translation>%1 is not a window element a lesson can hide</translation>
    </message>
    <message>
        <source>%1 назван в %2 дважды</source>
        <translation>%1 is named twice in %2</translation>
    </message>
    <message>
        <source>Это сохранённый рисунок сигнала, а не урок: откройте его через «Открыть…» на вкладке «Нарисовать» лаборатории</source>
        <translation>This is a saved drawing of a signal, not a lesson: open it with “Open…” on the lab&apos;s “Draw” tab</translation>
    </message>
    <message>
        <source>Это сохранённые коэффициенты сигнала, а не урок: откройте их через «Открыть…» на вкладке «Коэффициенты» лаборатории</source>
        <translation>These are saved coefficients of a signal, not a lesson: open them with “Open…” on the lab&apos;s “Coefficients” tab</translation>
    </message>
    <message>
        <source>Файл пуст</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>урок начинается строкой «%1»</source>
        <translation>a lesson starts with the line “%1”</translation>
    </message>
    <message>
        <source>Это не файл урока программы «Фурье»: %1</source>
        <translation>This is not a lesson file of the “Fourier” program: %1</translation>
    </message>
    <message>
        <source>Первая строка %1 неверна: %2</source>
        <translation>The first line %1 is wrong: %2</translation>
    </message>
    <message>
        <source>Неизвестный вид данных %1: %2</source>
        <translation>Unknown kind of data %1: %2</translation>
    </message>
    <message>
        <source>Версия урока %1 новее, чем знает программа (%2): обновите программу</source>
        <translation>Lesson version %1 is newer than the program knows (%2): update the program</translation>
    </message>
    <message>
        <source>Версия урока %1 не поддерживается: программа читает версию %2</source>
        <translation>Lesson version %1 is not supported: the program reads version %2</translation>
    </message>
    <message>
        <source>Файл оборван после первой строки</source>
        <translation>The file breaks off after the first line</translation>
    </message>
    <message>
        <source>«shown %1», но в уроке нет строки «%2»</source>
        <translation>“shown %1”, but the lesson has no line “%2”</translation>
    </message>
    <message>
        <source>«synthesis yes», но форма сигнала не выбрана: синтезу нужна строка «waveform» со значением от 1 до %1</source>
        <translation>“synthesis yes”, but no waveform is chosen: the synthesis needs a line “waveform” with a value from 1 to %1</translation>
    </message>
    <message>
        <source>Файл больше 1 МБ — это не урок</source>
        <translation>The file is larger than 1 MB: it is not a lesson</translation>
    </message>
    <message>
        <source>Файл оборван: нет строки «end»</source>
        <translation>The file breaks off: there is no line “end”</translation>
    </message>
    <message>
        <source>лишние данные после строки «end»</source>
        <translation>extra data after the line “end”</translation>
    </message>
    <message>
        <source>Файл оборван: строка %1 не закончена</source>
        <translation>The file breaks off: line %1 is not finished</translation>
    </message>
    <message>
        <source>пустая строка, а ожидается ключ и значение</source>
        <translation>an empty line where a key and a value are expected</translation>
    </message>
    <message>
        <source>строка начинается с пробела, а не с ключа</source>
        <translation>the line starts with a space, not with a key</translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>ключ %1 уже был в строке %2</source>
        <translation>key %1 already appeared on line %2</translation>
    </message>
    <message>
        <source>после ключа %1 пробел, но нет значения (пустое значение пишется без пробела)</source>
        <translation>a space after key %1 but no value (an empty value is written without the space)</translation>
    </message>
    <message>
        <source>у ключа %1 нет значения</source>
        <translation>key %1 has no value</translation>
    </message>
    <message>
        <source>такой урок нельзя было бы открыть (%1)</source>
        <translation>such a lesson could not be opened (%1)</translation>
    </message>
    <message>
        <source>у коэффициентов урока b%1 не ноль, а файл его не хранит</source>
        <translation>the lesson&apos;s coefficient b%1 is not zero, and the file does not store it</translation>
    </message>
    <message>
        <source>урок прочитался бы из файла не таким, каким записан (знак возврата каретки в конце текста или пустое название в «hidden»)</source>
        <translation>the lesson would read back from the file differently from how it was written (a carriage return at the end of a text or an empty name in “hidden”)</translation>
    </message>
</context>
<context>
    <name>LessonDialog</name>
    <message>
        <source>Выбор функции</source>
        <translation>Choice of function</translation>
    </message>
    <message>
        <source>Первый движок</source>
        <translation>First slider</translation>
    </message>
    <message>
        <source>Второй движок (слева)</source>
        <translation>Second slider (left)</translation>
    </message>
    <message>
        <source>Третий движок (справа)</source>
        <translation>Third slider (right)</translation>
    </message>
    <message>
        <source>Номер гармоники</source>
        <translation>Harmonic number</translation>
    </message>
    <message>
        <source>«Сумма гармоник»</source>
        <translation>“Sum of harmonics”</translation>
    </message>
    <message>
        <source>«Последняя: sin, cos»</source>
        <translation>“Last: sin, cos”</translation>
    </message>
    <message>
        <source>Кнопка «Сброс»</source>
        <translation>“Reset” button</translation>
    </message>
    <message>
        <source>Кнопка «Анализ»</source>
        <translation>“Analysis” button</translation>
    </message>
    <message>
        <source>Кнопка «Синтез»</source>
        <translation>“Synthesis” button</translation>
    </message>
    <message>
        <source>«Перерисовывать»</source>
        <translation>“Redraw”</translation>
    </message>
    <message>
        <source>Вся группа «Синтез»</source>
        <translation>The whole “Synthesis” group</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Лаборатория: Сходимость</source>
        <translation>Lab: Convergence</translation>
    </message>
    <message>
        <source>Лаборатория: Остаток</source>
        <translation>Lab: Residual</translation>
    </message>
    <message>
        <source>Лаборатория: Коэффициент</source>
        <translation>Lab: Coefficient</translation>
    </message>
    <message>
        <source>Лаборатория: Спектр</source>
        <translation>Lab: Spectrum</translation>
    </message>
    <message>
        <source>Лаборатория: Звук</source>
        <translation>Lab: Sound</translation>
    </message>
    <message>
        <source>Лаборатория: Своя функция</source>
        <translation>Lab: Own function</translation>
    </message>
    <message>
        <source>Лаборатория: Нарисовать</source>
        <translation>Lab: Draw</translation>
    </message>
    <message>
        <source>Лаборатория: Коэффициенты</source>
        <translation>Lab: Coefficients</translation>
    </message>
    <message>
        <source>Лаборатория: Гармоники</source>
        <translation>Lab: Harmonics</translation>
    </message>
    <message>
        <source>Лаборатория: Операции</source>
        <translation>Lab: Operations</translation>
    </message>
    <message>
        <source>Лаборатория: Круги</source>
        <translation>Lab: Circles</translation>
    </message>
    <message>
        <source>Лаборатория: Дискретизация</source>
        <translation>Lab: Sampling</translation>
    </message>
    <message>
        <source>Лаборатория: Угадай сигнал</source>
        <translation>Lab: Guess the signal</translation>
    </message>
</context>
<context>
    <name>LessonKeeper</name>
    <message>
        <source>он больше 1 МБ, а урок и сигнал занимают несколько килобайт</source>
        <translation>it is larger than 1 MB, while a lesson or a signal takes a few kilobytes</translation>
    </message>
</context>
<context>
    <name>OwnFormula</name>
    <message>
        <source>f не определена при x = %1: логарифм отрицательного числа</source>
        <translation>f is undefined at x = %1: logarithm of a negative number</translation>
    </message>
    <message>
        <source>f не определена при x = %1: дробная степень отрицательного числа</source>
        <translation>f is undefined at x = %1: fractional power of a negative number</translation>
    </message>
    <message>
        <source>f не определена при x = %1: логарифм нуля</source>
        <translation>f is undefined at x = %1: logarithm of zero</translation>
    </message>
    <message>
        <source>f не определена при x = %1: деление на ноль (ноль в отрицательной степени)</source>
        <translation>f is undefined at x = %1: division by zero (zero to a negative power)</translation>
    </message>
    <message>
        <source>Значение f при x = %1 слишком велико: больше 10³⁰⁸ компьютер не считает</source>
        <translation>The value of f at x = %1 is too large: the computer cannot count beyond 10³⁰⁸</translation>
    </message>
    <message>
        <source>Ошибка в формуле (символ %1): %2</source>
        <translation>Formula error (character %1): %2</translation>
    </message>
    <message>
        <source>Ошибка в формуле: число слишком велико: больше 10³⁰⁸ компьютер не считает</source>
        <translation>Formula error: a number is too large: the computer cannot count beyond 10³⁰⁸</translation>
    </message>
    <message>
        <source>f не определена при x = %1: деление на ноль</source>
        <translation>f is undefined at x = %1: division by zero</translation>
    </message>
    <message>
        <source>Значения f слишком велики: больше 10¹⁵⁰ по модулю программа не может сосчитать энергию и ошибку приближения</source>
        <translation>The values of f are too large: beyond 10¹⁵⁰ in magnitude the program cannot compute the energy and the approximation error</translation>
    </message>
</context>
<context>
    <name>ResidualView</name>
    <message>
        <source>Сигнал f (точки), частичная сумма S&lt;sub&gt;k&lt;/sub&gt; = a&lt;sub&gt;0&lt;/sub&gt;/2 + Σ&lt;sub&gt;i=1..k&lt;/sub&gt;(a&lt;sub&gt;i&lt;/sub&gt; cos ix + b&lt;sub&gt;i&lt;/sub&gt; sin ix) и остаток f − S&lt;sub&gt;k&lt;/sub&gt; (заливка); k — из главного окна, которое рисует √512/2·(S&lt;sub&gt;k&lt;/sub&gt; − a&lt;sub&gt;0&lt;/sub&gt;/2).</source>
        <translation>The signal f (dots), the partial sum S&lt;sub&gt;k&lt;/sub&gt; = a&lt;sub&gt;0&lt;/sub&gt;/2 + Σ&lt;sub&gt;i=1..k&lt;/sub&gt;(a&lt;sub&gt;i&lt;/sub&gt; cos ix + b&lt;sub&gt;i&lt;/sub&gt; sin ix) and the residual f − S&lt;sub&gt;k&lt;/sub&gt; (filled); k comes from the main window, which draws √512/2·(S&lt;sub&gt;k&lt;/sub&gt; − a&lt;sub&gt;0&lt;/sub&gt;/2).</translation>
    </message>
    <message>
        <source>x, рад</source>
        <translation>x, rad</translation>
    </message>
    <message>
        <source>значение, в единицах сигнала</source>
        <translation>value, in signal units</translation>
    </message>
    <message>
        <source>f (отсчёты)</source>
        <translation>f (samples)</translation>
    </message>
    <message>
        <source>k = %1;  СКО остатка f − S%2 по 512 отсчётам: %3</source>
        <translation>k = %1;  RMS of the residual f − S%2 over 512 samples: %3</translation>
    </message>
</context>
<context>
    <name>Sampling</name>
    <message>
        <source>Неизвестное окно</source>
        <translation>Unknown window</translation>
    </message>
    <message>
        <source>Окно должно содержать хотя бы один отсчёт</source>
        <translation>The window must hold at least one sample</translation>
    </message>
    <message>
        <source>Нет отсчётов для спектра</source>
        <translation>No samples for the spectrum</translation>
    </message>
    <message>
        <source>Отсчётов на период должно быть от 4 до 512, а не %1</source>
        <translation>Samples per period must be from 4 to 512, not %1</translation>
    </message>
    <message>
        <source>Окно должно быть длиной от 1 до 4 периодов</source>
        <translation>The window must be 1 to 4 periods long</translation>
    </message>
    <message>
        <source>Нужна хотя бы одна точка на период</source>
        <translation>At least one point per period is needed</translation>
    </message>
</context>
<context>
    <name>SamplingView</name>
    <message>
        <source>прямоугольное</source>
        <translation>rectangular</translation>
    </message>
    <message>
        <source>Ханна</source>
        <translation>Hann</translation>
    </message>
    <message>
        <source>Хэмминга</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Блэкмана</source>
        <translation>Blackman</translation>
    </message>
    <message>
        <source>Сигнал, взятый заново в N точках за период t&lt;sub&gt;n&lt;/sub&gt; = −π + 2πn/N, в окне из P периодов. Отсчёты одного периода передают только гармоники ниже N/2 (и косинус гармоники N/2); гармоника k выше N/2 даёт те же отсчёты, что гармоника |k − N·round(k/N)|, и попадает туда («k → m»). Внизу — спектр отсчётов окна, умноженных на оконную функцию, и утечка самого окна.</source>
        <translation>The signal sampled afresh at N points per period, t&lt;sub&gt;n&lt;/sub&gt; = −π + 2πn/N, in a window of P periods. The samples of one period carry only the harmonics below N/2 (and the cosine of harmonic N/2); a harmonic k above N/2 gives the same samples as harmonic |k − N·round(k/N)| and lands there (“k → m”). At the bottom, the spectrum of the window’s samples multiplied by the window function, and the leakage of the window itself.</translation>
    </message>
    <message>
        <source>Отсчётов на период N:</source>
        <translation>Samples per period N:</translation>
    </message>
    <message>
        <source>Периодов в окне P:</source>
        <translation>Periods in the window P:</translation>
    </message>
    <message>
        <source>Окно:</source>
        <translation>Window:</translation>
    </message>
    <message>
        <source>Отсчётов на период</source>
        <translation>Samples per period</translation>
    </message>
    <message>
        <source>Спектр отсчётов в дБ</source>
        <translation>Spectrum of the samples in dB</translation>
    </message>
    <message>
        <source>t, рад</source>
        <translation>t, rad</translation>
    </message>
    <message>
        <source>сигнал f(t)</source>
        <translation>signal f(t)</translation>
    </message>
    <message>
        <source>восстановленный по N отсчётам периода</source>
        <translation>rebuilt from the N samples of a period</translation>
    </message>
    <message>
        <source>отсчёты f(tₙ)</source>
        <translation>samples f(tₙ)</translation>
    </message>
    <message>
        <source>k (номер гармоники)</source>
        <translation>k (harmonic number)</translation>
    </message>
    <message>
        <source>до N/2</source>
        <translation>up to N/2</translation>
    </message>
    <message>
        <source>выше N/2</source>
        <translation>above N/2</translation>
    </message>
    <message>
        <source>куда они попадают</source>
        <translation>where they land</translation>
    </message>
    <message>
        <source>частота, в номерах гармоник</source>
        <translation>frequency, in harmonic numbers</translation>
    </message>
    <message>
        <source>сдвиг, бинов</source>
        <translation>offset, bins</translation>
    </message>
    <message>
        <source>дБ</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>N = %1, P = %2: M = round(N·P) = %3 отсчётов</source>
        <translation>N = %1, P = %2: M = round(N·P) = %3 samples</translation>
    </message>
    <message>
        <source>N/2 = %1: выше нет заметных гармоник — наложения нет</source>
        <translation>N/2 = %1: no noticeable harmonics above it, no aliasing</translation>
    </message>
    <message>
        <source>N/2 = %1; заметных гармоник выше N/2 (больше %2 %
наибольшей): %3 — их отсчёты неотличимы от гармоник 0…%4</source>
        <translation>N/2 = %1; noticeable harmonics above N/2 (over %2 %
of the largest): %3, their samples look like those of harmonics 0…%4</translation>
    </message>
    <message>
        <source>дБ от наибольшего</source>
        <translation>dB below the largest</translation>
    </message>
    <message>
        <source>амплитуда</source>
        <translation>amplitude</translation>
    </message>
    <message>
        <source>окно %1 из M = %2 отсчётов;
бины через N/M = %3 (в номерах гармоник)</source>
        <translation>%1 window of M = %2 samples;
bins every N/M = %3 (in harmonic numbers)</translation>
    </message>
    <message>
        <source>боковой лепесток: %1 дБ;
усиление %2</source>
        <translation>side lobe: %1 dB;
gain %2</translation>
    </message>
    <message>
        <source>боковых лепестков нет;
усиление %1</source>
        <translation>no side lobes;
gain %1</translation>
    </message>
</context>
<context>
    <name>SavedWork</name>
    <message>
        <source>Строка %1: </source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>больше миллиона по модулю: с такими значениями программа не может сосчитать энергию и среднеквадратичную ошибку</source>
        <translation>is beyond a million in magnitude: with such values the program cannot compute the energy and the RMS error</translation>
    </message>
    <message>
        <source>пусто там, где должно быть число</source>
        <translation>empty where a number should be</translation>
    </message>
    <message>
        <source>число %1 не помещается в double</source>
        <translation>the number %1 does not fit in a double</translation>
    </message>
    <message>
        <source>%1 — не число</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 — не конечное число</source>
        <translation>%1 is not a finite number</translation>
    </message>
    <message>
        <source>число %1 %2</source>
        <translation>the number %1 %2</translation>
    </message>
    <message>
        <source>Файл оборван: строка %1 не закончена</source>
        <translation>The file breaks off: line %1 is not finished</translation>
    </message>
    <message>
        <source>первая строка должна быть «fourier samples 1» (отсчёты) или «fourier coefficients 1» (коэффициенты)</source>
        <translation>the first line must be “fourier samples 1” (samples) or “fourier coefficients 1” (coefficients)</translation>
    </message>
    <message>
        <source>Файл пуст</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>Это не файл сигнала программы «Фурье»: %1</source>
        <translation>This is not a signal file of the “Fourier” program: %1</translation>
    </message>
    <message>
        <source>Первая строка %1 неполна: %2</source>
        <translation>The first line %1 is incomplete: %2</translation>
    </message>
    <message>
        <source>Неизвестный вид данных %1: ожидается «samples» (отсчёты) или «coefficients» (коэффициенты)</source>
        <translation>Unknown kind of data %1: “samples” or “coefficients” is expected</translation>
    </message>
    <message>
        <source>Версия файла %1 не поддерживается: программа читает версию 1</source>
        <translation>File version %1 is not supported: the program reads version 1</translation>
    </message>
    <message>
        <source>Файл оборван после первой строки</source>
        <translation>The file breaks off after the first line</translation>
    </message>
    <message>
        <source>В файле отсчётов: %1, а должно быть 512</source>
        <translation>The file holds %1 samples, but there must be 512</translation>
    </message>
    <message>
        <source>лишние данные после 512 отсчётов</source>
        <translation>extra data after the 512 samples</translation>
    </message>
    <message>
        <source>В файле нет ни одного коэффициента</source>
        <translation>The file holds no coefficients</translation>
    </message>
    <message>
        <source>В файле коэффициенты только гармоник 0..%1, а должны быть 0..32</source>
        <translation>The file holds coefficients of harmonics 0..%1 only, but 0..32 are needed</translation>
    </message>
    <message>
        <source>ожидается «0 a_0»: номер 0 и одно число</source>
        <translation>“0 a_0” expected: the number 0 and one value</translation>
    </message>
    <message>
        <source>ожидается «%1 a_%1 b_%1»: номер %1 и два числа через пробел</source>
        <translation>“%1 a_%1 b_%1” expected: the number %1 and two values separated by spaces</translation>
    </message>
    <message>
        <source>лишние данные после гармоники 32</source>
        <translation>extra data after harmonic 32</translation>
    </message>
    <message>
        <source>значение %1 %2, и такой файл нельзя было бы открыть</source>
        <translation>the value %1 %2, and such a file could not be opened</translation>
    </message>
    <message>
        <source>Это урок, а не сигнал: откройте его через «Открыть урок…»</source>
        <translation>This is a lesson, not a signal: open it with “Open lesson…”</translation>
    </message>
</context>
<context>
    <name>SignalOperations</name>
    <message>
        <source>%1 — целое число от %2 до %3</source>
        <translation>%1 is a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>Сдвиг — конечное число периодов</source>
        <translation>The shift is a finite number of periods</translation>
    </message>
    <message>
        <source>Уровень ограничения — положительное число</source>
        <translation>The clipping level is a positive number</translation>
    </message>
    <message>
        <source>Число уровней</source>
        <translation>The number of levels</translation>
    </message>
    <message>
        <source>Номер гармоники</source>
        <translation>The harmonic number</translation>
    </message>
    <message>
        <source>Постоянная — конечное число</source>
        <translation>The constant is a finite number</translation>
    </message>
    <message>
        <source>Неизвестная операция</source>
        <translation>Unknown operation</translation>
    </message>
    <message>
        <source>спектр не изменился: сигнал равен нулю</source>
        <translation>spectrum unchanged: the signal is zero</translation>
    </message>
    <message>
        <source>Aₖ без изменений, %1</source>
        <translation>Aₖ unchanged, %1</translation>
    </message>
    <message>
        <source>среднее %1 → %2</source>
        <translation>mean %1 → %2</translation>
    </message>
    <message>
        <source>спектр не изменился</source>
        <translation>spectrum unchanged</translation>
    </message>
    <message>
        <source>Aₖ и φₖ без изменений</source>
        <translation>Aₖ and φₖ unchanged</translation>
    </message>
    <message>
        <source>φₖ повёрнута на kτ (τ = %1 периода)</source>
        <translation>φₖ turned by kτ (τ = %1 of a period)</translation>
    </message>
    <message>
        <source>φₖ повёрнута на π</source>
        <translation>φₖ turned by π</translation>
    </message>
    <message>
        <source>φₖ изменились</source>
        <translation>φₖ changed</translation>
    </message>
    <message>
        <source>%1, … (всего %2)</source>
        <translation>%1, … (%2 in all)</translation>
    </message>
    <message>
        <source>появилась гармоника %1</source>
        <translation>harmonic %1 appeared</translation>
    </message>
    <message>
        <source>появились чётные гармоники: %1</source>
        <translation>even harmonics appeared: %1</translation>
    </message>
    <message>
        <source>появились нечётные гармоники: %1</source>
        <translation>odd harmonics appeared: %1</translation>
    </message>
    <message>
        <source>появились гармоники: %1</source>
        <translation>harmonics appeared: %1</translation>
    </message>
    <message>
        <source>все гармоники убраны</source>
        <translation>all harmonics removed</translation>
    </message>
    <message>
        <source>гармоники выше %1 убраны</source>
        <translation>harmonics above %1 removed</translation>
    </message>
    <message>
        <source>гармоники ниже %1 убраны</source>
        <translation>harmonics below %1 removed</translation>
    </message>
    <message>
        <source>чётные гармоники убраны</source>
        <translation>even harmonics removed</translation>
    </message>
    <message>
        <source>нечётные гармоники убраны</source>
        <translation>odd harmonics removed</translation>
    </message>
    <message>
        <source>убраны %1</source>
        <translation>removed: %1</translation>
    </message>
    <message>
        <source>квантование на 1 уровень</source>
        <translation>quantisation to 1 level</translation>
    </message>
    <message>
        <source>квантование на %1 уровень</source>
        <translation>quantisation to %1 levels</translation>
    </message>
    <message>
        <source>квантование на %1 уровня</source>
        <translation>quantisation to %1 levels</translation>
    </message>
    <message>
        <source>квантование на %1 уровней</source>
        <translation>quantisation to %1 levels</translation>
    </message>
    <message>
        <source>Результат больше 10¹⁵⁰ по модулю: программа не может сосчитать его энергию</source>
        <translation>The result exceeds 10¹⁵⁰ in magnitude: the program cannot compute its energy</translation>
    </message>
    <message>
        <source>сдвиг</source>
        <translation>shift</translation>
    </message>
    <message>
        <source>обращение времени</source>
        <translation>time reversal</translation>
    </message>
    <message>
        <source>инверсия</source>
        <translation>inversion</translation>
    </message>
    <message>
        <source>выпрямление</source>
        <translation>full-wave rectification</translation>
    </message>
    <message>
        <source>однополупериодное выпрямление</source>
        <translation>half-wave rectification</translation>
    </message>
    <message>
        <source>ограничение ±%1</source>
        <translation>clipping at ±%1</translation>
    </message>
    <message>
        <source>только чётные гармоники</source>
        <translation>even harmonics only</translation>
    </message>
    <message>
        <source>только нечётные гармоники</source>
        <translation>odd harmonics only</translation>
    </message>
    <message>
        <source>только среднее</source>
        <translation>mean only</translation>
    </message>
    <message>
        <source>гармоники 0–%1</source>
        <translation>harmonics 0–%1</translation>
    </message>
    <message>
        <source>только гармоника %1</source>
        <translation>harmonic %1 only</translation>
    </message>
    <message>
        <source>гармоники %1–%2</source>
        <translation>harmonics %1–%2</translation>
    </message>
    <message>
        <source>Дробь со знаменателем 0</source>
        <translation>A fraction with denominator 0</translation>
    </message>
</context>
<context>
    <name>SpectrumTableModel</name>
    <message>
        <source>φₖ, рад</source>
        <translation>φₖ, rad</translation>
    </message>
    <message>
        <source>Номер гармоники k; k = 0 — среднее a₀/2</source>
        <translation>Harmonic number k; k = 0 is the mean a₀/2</translation>
    </message>
    <message>
        <source>aₖ: коэффициент при cos kx; в строке k = 0 — a₀, удвоенное среднее</source>
        <translation>aₖ: the coefficient of cos kx; in row k = 0, a₀, twice the mean</translation>
    </message>
    <message>
        <source>bₖ: коэффициент при sin kx</source>
        <translation>bₖ: the coefficient of sin kx</translation>
    </message>
    <message>
        <source>Амплитуда Aₖ = √(aₖ² + bₖ²): aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ); A₀ = |a₀|/2</source>
        <translation>Amplitude Aₖ = √(aₖ² + bₖ²): aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ); A₀ = |a₀|/2</translation>
    </message>
    <message>
        <source>Фаза φₖ в радианах: aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ); φ₀ = 0 или π по знаку среднего; пусто, где Aₖ меньше 10⁻⁹ наибольшей</source>
        <translation>Phase φₖ in radians: aₖ cos kx + bₖ sin kx = Aₖ cos(kx − φₖ); φ₀ = 0 or π by the sign of the mean; empty where Aₖ is below 10⁻⁹ of the largest</translation>
    </message>
</context>
<context>
    <name>SpectrumView</name>
    <message>
        <source>Амплитуда в дБ</source>
        <translation>Amplitude in dB</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>Амплитуда и фаза гармоник 0…255: a&lt;sub&gt;k&lt;/sub&gt; cos kx + b&lt;sub&gt;k&lt;/sub&gt; sin kx = A&lt;sub&gt;k&lt;/sub&gt; cos(kx − φ&lt;sub&gt;k&lt;/sub&gt;); гармоника 0 — среднее a&lt;sub&gt;0&lt;/sub&gt;/2 (A&lt;sub&gt;0&lt;/sub&gt; — его модуль, φ&lt;sub&gt;0&lt;/sub&gt; = 0 или π по знаку); фаза не показана, где A&lt;sub&gt;k&lt;/sub&gt; меньше 10&lt;sup&gt;−9&lt;/sup&gt; наибольшей. Строки таблицы можно выделить и скопировать (Ctrl+C).</source>
        <translation>Amplitude and phase of harmonics 0…255: a&lt;sub&gt;k&lt;/sub&gt; cos kx + b&lt;sub&gt;k&lt;/sub&gt; sin kx = A&lt;sub&gt;k&lt;/sub&gt; cos(kx − φ&lt;sub&gt;k&lt;/sub&gt;); harmonic 0 is the mean a&lt;sub&gt;0&lt;/sub&gt;/2 (A&lt;sub&gt;0&lt;/sub&gt; is its magnitude, φ&lt;sub&gt;0&lt;/sub&gt; = 0 or π by its sign); no phase is shown where A&lt;sub&gt;k&lt;/sub&gt; is below 10&lt;sup&gt;−9&lt;/sup&gt; of the largest. Rows of the table can be selected and copied (Ctrl+C).</translation>
    </message>
    <message>
        <source>k (номер гармоники)</source>
        <translation>k (harmonic number)</translation>
    </message>
    <message>
        <source>φₖ, рад</source>
        <translation>φₖ, rad</translation>
    </message>
    <message>
        <source>Aₖ, дБ от наибольшей</source>
        <translation>Aₖ, dB below the largest</translation>
    </message>
    <message>
        <source>Aₖ, в единицах сигнала</source>
        <translation>Aₖ, in signal units</translation>
    </message>
</context>
<context>
    <name>SpokenSummary</name>
    <message>
        <source>%1 и %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Сигнал не выбран</source>
        <translation>No signal chosen</translation>
    </message>
    <message>
        <source>Сигнал «%1»: пик %2</source>
        <translation>Signal “%1”: peak %2</translation>
    </message>
    <message>
        <source>%1, без скачков</source>
        <translation>%1, no jumps</translation>
    </message>
    <message>
        <source>%1, скачок при %2</source>
        <translation>%1, jump at %2</translation>
    </message>
    <message>
        <source>%1, скачки при %2</source>
        <translation>%1, jumps at %2</translation>
    </message>
    <message>
        <source>пустая сумма гармоник (нулевая линия)</source>
        <translation>empty sum of harmonics (zero line)</translation>
    </message>
    <message>
        <source>сумма гармоник 1…%1 (красная)</source>
        <translation>sum of harmonics 1…%1 (red)</translation>
    </message>
    <message>
        <source>гармоника %1 отдельно, её синусная часть (жёлтая)</source>
        <translation>harmonic %1 alone, its sine part (yellow)</translation>
    </message>
    <message>
        <source>гармоника %1 отдельно, её косинусная часть (жёлтая)</source>
        <translation>harmonic %1 alone, its cosine part (yellow)</translation>
    </message>
    <message>
        <source>Синтез до гармоники %1: %2; ошибка (СКО f − %3) %4</source>
        <translation>Synthesis to harmonic %1: %2; error (RMS of f − %3) %4</translation>
    </message>
    <message>
        <source>ничего не нарисовано</source>
        <translation>nothing drawn</translation>
    </message>
    <message>
        <source>нарисована %1</source>
        <translation>drawn: %1</translation>
    </message>
    <message>
        <source>График. %1.</source>
        <translation>Graph. %1.</translation>
    </message>
    <message>
        <source>Спектр пуст: все гармоники равны нулю</source>
        <translation>Empty spectrum: all harmonics are zero</translation>
    </message>
    <message>
        <source>φ%1 не определена</source>
        <translation>φ%1 undefined</translation>
    </message>
    <message>
        <source>Сильнейшая гармоника: %1 (φ в радианах)</source>
        <translation>Strongest harmonic: %1 (φ in radians)</translation>
    </message>
    <message>
        <source>Сильнейшие гармоники: %1 (φ в радианах)</source>
        <translation>Strongest harmonics: %1 (φ in radians)</translation>
    </message>
    <message>
        <source>Сходимость при k = %1: ошибка (СКО f − %2) %3, доля энергии в гармониках 0…%1 %4 %</source>
        <translation>Convergence at k = %1: error (RMS of f − %2) %3, energy share in harmonics 0…%1 %4 %</translation>
    </message>
    <message>
        <source>%1; скачков нет</source>
        <translation>%1; no jumps</translation>
    </message>
    <message>
        <source>%1; выброса у S₀ (среднего) нет</source>
        <translation>%1; no overshoot for S₀ (the mean)</translation>
    </message>
    <message>
        <source>%1, выброс у скачка %2 % скачка</source>
        <translation>%1, overshoot at the jump %2 % of the jump</translation>
    </message>
    <message>
        <source>Остаток f − %1: СКО %2, наибольший по модулю %3</source>
        <translation>Residual f − %1: RMS %2, largest magnitude %3</translation>
    </message>
    <message>
        <source>Коэффициент %1 — интеграл (1/π)∫ f(x)·%2 %3x dx по периоду: %4</source>
        <translation>Coefficient %1 is the integral (1/π)∫ f(x)·%2 %3x dx over the period: %4</translation>
    </message>
    <message>
        <source>Окружностей нет: k = 0, точка стоит на среднем значении</source>
        <translation>No circles: k = 0, the point stays at the mean value</translation>
    </message>
    <message>
        <source>Вращающиеся окружности гармоник 1…%1, радиусы — амплитуды A; самая большая A%2 = %3</source>
        <translation>Rotating circles of harmonics 1…%1, radii are the amplitudes A; the largest A%2 = %3</translation>
    </message>
    <message>
        <source>%1 отсчётов на период: без наложения различимы гармоники 0…%2; пик сигнала %3</source>
        <translation>%1 samples per period: harmonics 0…%2 are told apart without aliasing; signal peak %3</translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Рисунок пуст: нулевая линия; значения показаны %1</source>
        <translation>Empty drawing: zero line; values shown %1</translation>
    </message>
    <message>
        <source>Нарисован сигнал от %1 до %2 на периоде от −π до π; значения показаны %3</source>
        <translation>Drawn signal from %1 to %2 over the period from −π to π; values shown %3</translation>
    </message>
    <message>
        <source>Все столбики гармоник 1…32 на нуле</source>
        <translation>All bars of harmonics 1…32 at zero</translation>
    </message>
    <message>
        <source>Столбики гармоник 1…32: не равны нулю %1; сильнейшая A%2 = %3 (a%2 = %4, b%2 = %5)</source>
        <translation>Bars of harmonics 1…32: %1 not zero; strongest A%2 = %3 (a%2 = %4, b%2 = %5)</translation>
    </message>
    <message>
        <source>Ваш сигнал от %1 до %2</source>
        <translation>Your signal from %1 to %2</translation>
    </message>
    <message>
        <source>%1; цель скрыта, её надо узнать на слух</source>
        <translation>%1; the target is hidden, find it by ear</translation>
    </message>
    <message>
        <source>%1; СКО отличия от цели %2</source>
        <translation>%1; RMS difference from the target %2</translation>
    </message>
    <message>
        <source>Синтез до гармоники %1: ошибка %2</source>
        <translation>Synthesis to harmonic %1: error %2</translation>
    </message>
    <message>
        <source>Анализ: функция не выбрана</source>
        <translation>Analysis: no function chosen</translation>
    </message>
    <message>
        <source>Анализ: %1, пик %2</source>
        <translation>Analysis: %1, peak %2</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Главное окно: график сигнала, его спектр и синтез по гармоникам</source>
        <translation>Main window: the graph of the signal, its spectrum and the synthesis from harmonics</translation>
    </message>
    <message>
        <source>Средняя панель</source>
        <translation>Middle panel</translation>
    </message>
    <message>
        <source>Выбор функции, спектр и синтез</source>
        <translation>Choice of function, spectrum and synthesis</translation>
    </message>
    <message>
        <source>Верхняя панель</source>
        <translation>Top panel</translation>
    </message>
    <message>
        <source>Панель с графиком сигнала</source>
        <translation>Panel with the graph of the signal</translation>
    </message>
    <message>
        <source>Нижняя панель</source>
        <translation>Bottom panel</translation>
    </message>
    <message>
        <source>Кнопки анализа, синтеза и выхода</source>
        <translation>Buttons for analysis, synthesis and exit</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Ширина импульса</source>
        <translation>Pulse width</translation>
    </message>
    <message>
        <source>Подпись к ширине импульса</source>
        <translation>Caption of the pulse width</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Формула выбранной функции от x</source>
        <translation>Formula of the chosen function of x</translation>
    </message>
    <message>
        <source>Начало отрезка по x</source>
        <translation>Start of the x interval</translation>
    </message>
    <message>
        <source>Левый конец отрезка, на котором берутся отсчёты</source>
        <translation>Left end of the interval the samples are taken on</translation>
    </message>
    <message>
        <source>Конец отрезка по x</source>
        <translation>End of the x interval</translation>
    </message>
    <message>
        <source>Правый конец отрезка, на котором берутся отсчёты</source>
        <translation>Right end of the interval the samples are taken on</translation>
    </message>
    <message>
        <source>Панель спектра</source>
        <translation>Spectrum panel</translation>
    </message>
    <message>
        <source>Панель со спектром сигнала</source>
        <translation>Panel with the spectrum of the signal</translation>
    </message>
    <message>
        <source>Нижняя граница графика</source>
        <translation>Lower limit of the graph</translation>
    </message>
    <message>
        <source>Наименьшее значение по вертикали при синтезе</source>
        <translation>Smallest vertical value in the synthesis</translation>
    </message>
    <message>
        <source>Верхняя граница графика</source>
        <translation>Upper limit of the graph</translation>
    </message>
    <message>
        <source>Наибольшее значение по вертикали при синтезе</source>
        <translation>Largest vertical value in the synthesis</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Отрезок по x — период от −π до π</source>
        <translation>The x interval is the period from −π to π</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Вертикальный масштаб по значениям сигнала</source>
        <translation>Vertical scale from the values of the signal</translation>
    </message>
    <message>
        <source>Панель функции</source>
        <translation>Function panel</translation>
    </message>
    <message>
        <source>Выбор функции и её параметров</source>
        <translation>Choice of the function and its parameters</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Подпись третьего движка</source>
        <translation>Caption of the third slider</translation>
    </message>
    <message>
        <source>Что задаёт третий движок</source>
        <translation>What the third slider sets</translation>
    </message>
    <message>
        <source>Подпись второго движка</source>
        <translation>Caption of the second slider</translation>
    </message>
    <message>
        <source>Что задаёт второй движок</source>
        <translation>What the second slider sets</translation>
    </message>
    <message>
        <source>Подпись первого движка</source>
        <translation>Caption of the first slider</translation>
    </message>
    <message>
        <source>Что задаёт первый движок</source>
        <translation>What the first slider sets</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Выберите функцию для анализа</source>
        <translation>Choose the function to analyse</translation>
    </message>
    <message>
        <source>Положение первого движка</source>
        <translation>Position of the first slider</translation>
    </message>
    <message>
        <source>Первый параметр выбранной функции</source>
        <translation>First parameter of the chosen function</translation>
    </message>
    <message>
        <source>Положение третьего движка</source>
        <translation>Position of the third slider</translation>
    </message>
    <message>
        <source>Третий параметр выбранной функции</source>
        <translation>Third parameter of the chosen function</translation>
    </message>
    <message>
        <source>Положение второго движка</source>
        <translation>Position of the second slider</translation>
    </message>
    <message>
        <source>Второй параметр выбранной функции</source>
        <translation>Second parameter of the chosen function</translation>
    </message>
    <message>
        <source>Панель кнопки «Построить»</source>
        <translation>Panel of the “Plot” button</translation>
    </message>
    <message>
        <source>Место кнопки «Построить»</source>
        <translation>Place of the “Plot” button</translation>
    </message>
    <message>
        <source>Строить автоматически</source>
        <translation>Plot automatically</translation>
    </message>
    <message>
        <source>Анализировать сразу при каждом движении движка</source>
        <translation>Analyse at once on every move of a slider</translation>
    </message>
    <message>
        <source>Панель синтеза</source>
        <translation>Synthesis panel</translation>
    </message>
    <message>
        <source>Место рамки «Синтез»</source>
        <translation>Place of the “Synthesis” frame</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Закрыть программу</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Построить график и спектр</source>
        <translation>Plot the graph and the spectrum</translation>
    </message>
    <message>
        <source>Синтез</source>
        <translation>Synthesis</translation>
    </message>
    <message>
        <source>Сумма гармоник ряда Фурье до выбранного номера</source>
        <translation>Sum of the harmonics of the Fourier series up to the chosen number</translation>
    </message>
    <message>
        <source>Номер гармоники</source>
        <translation>Harmonic number</translation>
    </message>
    <message>
        <source>Подпись к полю номера гармоники</source>
        <translation>Caption of the harmonic number field</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Номер гармоники обратно в 0</source>
        <translation>Harmonic number back to 0</translation>
    </message>
    <message>
        <source>До какой гармоники суммировать ряд, от 0 до 32</source>
        <translation>Up to which harmonic the series is summed, from 0 to 32</translation>
    </message>
    <message>
        <source>Сумма гармоник</source>
        <translation>Sum of harmonics</translation>
    </message>
    <message>
        <source>Рисовать сумму гармоник 1…k</source>
        <translation>Draw the sum of harmonics 1…k</translation>
    </message>
    <message>
        <source>Рисовать без спросу</source>
        <translation>Draw at once</translation>
    </message>
    <message>
        <source>Синтезировать сразу при смене номера гармоники</source>
        <translation>Synthesise at once when the harmonic number changes</translation>
    </message>
    <message>
        <source>Последняя:</source>
        <translation>Last:</translation>
    </message>
    <message>
        <source>Какую часть гармоники k рисовать отдельно</source>
        <translation>Which part of harmonic k to draw on its own</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Нарисовать сумму гармоник до выбранного номера</source>
        <translation>Draw the sum of harmonics up to the chosen number</translation>
    </message>
    <message>
        <source>Учебная программа «Фурье», 2026</source>
        <translation>Teaching program “Fourier”, 2026</translation>
    </message>
    <message>
        <source>Название программы</source>
        <translation>Name of the program</translation>
    </message>
    <message>
        <source>Перерисовывать</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>Перерисовывать при каждом изменении</source>
        <translation>Redraw on every change</translation>
    </message>
    <message>
        <source>Часть гармоники k, рисуемая отдельно</source>
        <translation>Part of harmonic k drawn on its own</translation>
    </message>
    <message>
        <source>График пуст: выберите функцию и нажмите «Анализ»</source>
        <translation>The graph is empty: choose a function and press “Analysis”</translation>
    </message>
    <message>
        <source>Спектр пуст: анализа ещё не было</source>
        <translation>The spectrum is empty: nothing has been analysed yet</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ничего не построено</source>
        <translation>Nothing plotted</translation>
    </message>
    <message>
        <source>Спектр, гармоники 0…%1. %2.</source>
        <translation>Spectrum, harmonics 0…%1. %2.</translation>
    </message>
    <message>
        <source>Функции</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Гармоники спектра: </source>
        <translation>Spectrum harmonics: </translation>
    </message>
    <message>
        <source>Анализ  и синтез Фурье</source>
        <translation>Fourier analysis and synthesis</translation>
    </message>
    <message>
        <source>Выберите функцию</source>
        <translation>Choose a function</translation>
    </message>
    <message>
        <source>&amp;Сброс</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Не рисовать</source>
        <translation>Don’t draw</translation>
    </message>
    <message>
        <source>&amp;Анализ</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>построить график и спектр</source>
        <translation>plot the graph and the spectrum</translation>
    </message>
    <message>
        <source>&amp;Синтез</source>
        <translation>&amp;Synthesis</translation>
    </message>
    <message>
        <source>Синтез он и в африке синтез</source>
        <translation>Synthesis is synthesis, even in Africa</translation>
    </message>
    <message>
        <source>Свободу студентам!</source>
        <translation>Freedom for the students!</translation>
    </message>
</context>
<context>
    <name>Toolkit</name>
    <message>
        <source>Фурье</source>
        <translation>Fourier</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>Translator</name>
    <message>
        <source>нет пары для «)»</source>
        <translation>no match for “)”</translation>
    </message>
    <message>
        <source>нет пары для «(»</source>
        <translation>no match for “(”</translation>
    </message>
    <message>
        <source>формула слишком сложна</source>
        <translation>the formula is too complex</translation>
    </message>
    <message>
        <source>пустые скобки</source>
        <translation>empty parentheses</translation>
    </message>
    <message>
        <source>пробел допустим только перед числом</source>
        <translation>a space is allowed only before a number</translation>
    </message>
    <message>
        <source>лишние скобки</source>
        <translation>superfluous parentheses</translation>
    </message>
    <message>
        <source>пропущен знак операции</source>
        <translation>missing operator</translation>
    </message>
    <message>
        <source>неизвестное имя «%1»</source>
        <translation>unknown name “%1”</translation>
    </message>
    <message>
        <source>неверная запись числа</source>
        <translation>malformed number</translation>
    </message>
    <message>
        <source>недопустимый символ «%1»</source>
        <translation>invalid character “%1”</translation>
    </message>
    <message>
        <source>недопустимый символ с кодом %1</source>
        <translation>invalid character with code %1</translation>
    </message>
    <message>
        <source>нет операнда перед «%1»</source>
        <translation>no operand before “%1”</translation>
    </message>
    <message>
        <source>нет операнда после «%1»</source>
        <translation>no operand after “%1”</translation>
    </message>
    <message>
        <source>нет операнда</source>
        <translation>no operand</translation>
    </message>
    <message>
        <source>после «%1» нужна «(»</source>
        <translation>“%1” must be followed by “(”</translation>
    </message>
    <message>
        <source>нет аргумента у «%1»</source>
        <translation>no argument for “%1”</translation>
    </message>
    <message>
        <source>формула длиннее 255 символов</source>
        <translation>the formula is longer than 255 characters</translation>
    </message>
    <message>
        <source>формула пуста</source>
        <translation>the formula is empty</translation>
    </message>
    <message>
        <source>Ошибка в формуле (символ %1): %2</source>
        <translation>Formula error (character %1): %2</translation>
    </message>
</context>
<context>
    <name>Waveforms</name>
    <message>
        <source>1. Синус</source>
        <translation>1. Sine</translation>
    </message>
    <message>
        <source>Частота</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>2. Прямоугольник</source>
        <translation>2. Square wave</translation>
    </message>
    <message>
        <source>3. Треугольник</source>
        <translation>3. Triangle wave</translation>
    </message>
    <message>
        <source>4. Трапеция</source>
        <translation>4. Trapezoid</translation>
    </message>
    <message>
        <source>Ширина верхнего основания</source>
        <translation>Width of the top</translation>
    </message>
    <message>
        <source>5. Дельта-функция</source>
        <translation>5. Delta function</translation>
    </message>
    <message>
        <source>Сдвиг от начала координат</source>
        <translation>Shift from the origin</translation>
    </message>
    <message>
        <source>6. Биения</source>
        <translation>6. Beats</translation>
    </message>
    <message>
        <source>Отношение амплитуд</source>
        <translation>Amplitude ratio</translation>
    </message>
    <message>
        <source>Разность частот</source>
        <translation>Frequency difference</translation>
    </message>
    <message>
        <source>7. Амплитудная Модуляция</source>
        <translation>7. Amplitude Modulation</translation>
    </message>
    <message>
        <source>Несущая частота</source>
        <translation>Carrier frequency</translation>
    </message>
    <message>
        <source>Глубина модуляции</source>
        <translation>Modulation depth</translation>
    </message>
    <message>
        <source>Частота модуляции</source>
        <translation>Modulation frequency</translation>
    </message>
    <message>
        <source>8. Прямоугольный импульс</source>
        <translation>8. Rectangular pulse</translation>
    </message>
    <message>
        <source>Ширина импульса</source>
        <translation>Pulse width</translation>
    </message>
    <message>
        <source>%1 из 512 отсчётов</source>
        <translation>%1 of 512 samples</translation>
    </message>
    <message>
        <source>%1 (%2 и %3)</source>
        <translation>%1 (%2 and %3)</translation>
    </message>
</context>
</TS>
